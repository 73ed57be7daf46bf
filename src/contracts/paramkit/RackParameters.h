#pragma once
// The sample rack of the autosampler.
#include "PhotoquantExport.h"

class PQ_EXPORT CRackParameters {
public:
    virtual ~CRackParameters() = default;
    void vCopy(const CRackParameters& other) { *this = other; }

    double m_dX1 = 0.0;
    double m_dX2 = 0.0;
    double m_dZ = 0.0;
    double m_dY1 = 0.0;
    double m_dY2 = 0.0;
    int m_iVialsX = 0;   // vials on X
    int m_iVialsY = 0;   // vials on Y
    int m_iPattern = 0;  // pattern code
};
