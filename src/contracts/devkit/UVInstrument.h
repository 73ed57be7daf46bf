#pragma once
// The connected instrument, as far as the documents ask about it.
#include "PhotoquantExport.h"

class PQ_EXPORT CUVInstrument {
public:
    virtual ~CUVInstrument() = default;

    // The connected instrument's model type.
    virtual int bGetInstType() const { return m_iInstType; }

    int m_iInstType = 0;
};
