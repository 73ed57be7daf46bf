#pragma once
// The multi-cell holder settings of a method.
#include "PhotoquantExport.h"

class PQ_EXPORT CMultiCellParam {
public:
    virtual ~CMultiCellParam() = default;
    void vCopy(const CMultiCellParam& other) { *this = other; }

    double m_dTemperature = 0.0;  // cell temperature (degrees C); above 0 means set
};
