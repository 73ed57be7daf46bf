#pragma once
// The autosampler settings of a method.
#include <string>

#include "PhotoquantExport.h"

class PQ_EXPORT CMZ700Parameters {
public:
    virtual ~CMZ700Parameters() = default;
    void vCopy(const CMZ700Parameters& other) { *this = other; }

    // Texts of the syringe settings (host-fillable tables; empty for an unknown setting).
    std::string GetSyringeCapacityTxt(int setting) const;
    std::string GetSyringeSpeedTxt(int setting) const;

    int m_iSyringe = 0;            // syringe selector
    int m_iSyringeCapacity1 = 0;   // first syringe-capacity setting
    int m_iSyringeCapacity2 = 0;   // second syringe-capacity setting
    int m_iSyringeSpeed = 0;       // syringe-speed setting
    int m_iFirstVial = 1;
    int m_iNeedleWashings = 0;
    int m_iPortWashings = 0;       // injection-port washings
    double m_dVolume = 0.0;
    double m_dCycleTime = 0.0;
};
