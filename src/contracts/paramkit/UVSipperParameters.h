#pragma once
// The sipper accessory settings of a method.
#include <string>

#include "PhotoquantExport.h"

class PQ_EXPORT CUVSipperParameters {
public:
    virtual ~CUVSipperParameters() = default;
    void vCopy(const CUVSipperParameters& other) { *this = other; }

    // Text of a temperature setting (host-fillable table; empty for an unknown setting).
    std::string GetTemperatureTxt(int setting) const;

    int m_iTemperature = -1;      // temperature setting; 0 or more means set
    double m_dSippingTime = 0.0;  // seconds
    double m_dWaitTime = 0.0;     // seconds
    double m_dAirPurgeTime = 0.0; // seconds
};
