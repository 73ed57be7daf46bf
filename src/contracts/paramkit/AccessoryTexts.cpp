// The accessory settings' texts. They are the parameter library's own; these tables hold the
// values of the common instruments.
#include <array>
#include <string>

#include "contracts/paramkit/MZ700Parameters.h"
#include "contracts/paramkit/UVSipperParameters.h"

namespace {

template <size_t N>
std::string sTableText(const std::array<const char*, N>& table, int setting) {
    return setting >= 0 && static_cast<size_t>(setting) < N ? table[static_cast<size_t>(setting)]
                                                            : std::string();
}

}  // namespace

std::string CUVSipperParameters::GetTemperatureTxt(int setting) const {
    static const std::array<const char*, 6> texts = {"25 C", "30 C", "35 C", "37 C", "40 C",
                                                     "45 C"};
    return sTableText(texts, setting);
}

std::string CMZ700Parameters::GetSyringeCapacityTxt(int setting) const {
    static const std::array<const char*, 4> texts = {"0.5 mL", "1 mL", "2.5 mL", "5 mL"};
    return sTableText(texts, setting);
}

std::string CMZ700Parameters::GetSyringeSpeedTxt(int setting) const {
    static const std::array<const char*, 3> texts = {"Slow", "Medium", "Fast"};
    return sTableText(texts, setting);
}
