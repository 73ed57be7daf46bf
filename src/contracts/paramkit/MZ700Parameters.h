#pragma once
// The autosampler settings of a method: a syringe draws each vial's sample and injects it into the
// flow cell; the needle and the injection port are washed between samples.
#include <string>
#include <vector>

#include "PhotoquantExport.h"

class PQ_EXPORT CMZ700Parameters {
public:
    virtual ~CMZ700Parameters() = default;
    void vCopy(const CMZ700Parameters& other) { *this = other; }

    // The syringe capacity of a setting in ul, without the unit; empty for an unknown setting.
    std::string GetSyringeCapacityTxt(int setting) const;
    // The syringe speed of a setting; empty for an unknown setting.
    std::string GetSyringeSpeedTxt(int setting) const;

    int m_iSyringe = 1;           // syringe selector; 1: the first syringe-capacity setting
    int m_iSyringeCapacity1 = 1;  // first syringe-capacity setting
    int m_iSyringeCapacity2 = 1;  // second syringe-capacity setting
    int m_iSyringeSpeed = 1;      // syringe-speed setting
    int m_iFirstVial = 1;         // number of the first vial measured
    int m_iNeedleWashings = 1;    // needle washings between samples
    int m_iPortWashings = 1;      // injection-port washings between samples
    double m_dVolume = 500.0;     // volume drawn per sample (ul)
    double m_dCycleTime = 2.0;    // time per sample (min)
    // Capacities (ul) and speeds of the settings, indexed by the setting.
    std::vector<std::string> m_vsSyringeCapacityTexts = {"500", "1000", "2500", "5000"};
    std::vector<std::string> m_vsSyringeSpeedTexts = {"Slow", "Medium", "Fast"};
};
