#pragma once
// The sipper accessory settings of a method: the sample is drawn into a flow cell, left to settle,
// measured, and the line purged with air.
#include <string>
#include <vector>

#include "PhotoquantExport.h"

class PQ_EXPORT CUVSipperParameters {
public:
    virtual ~CUVSipperParameters() = default;
    void vCopy(const CUVSipperParameters& other) { *this = other; }

    // The temperature of a setting in degrees C, without the unit; empty for an unknown setting.
    std::string GetTemperatureTxt(int setting) const;

    int m_iTemperature = -1;       // temperature setting; 0 or more means set
    double m_dSippingTime = 0.0;   // sipping time (s)
    double m_dWaitTime = 0.0;      // wait before the reading (s)
    double m_dAirPurgeTime = 0.0;  // air purge time (s)
    // Temperatures of the settings (degrees C), indexed by the setting.
    std::vector<std::string> m_vsTemperatureTexts = {"25", "30", "35", "37", "40", "45"};
};
