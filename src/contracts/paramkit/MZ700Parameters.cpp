#include "contracts/paramkit/MZ700Parameters.h"

#include "contracts/paramkit/CodeText.h"

using photoquant::detail::sCodeText;

std::string CMZ700Parameters::GetSyringeCapacityTxt(int setting) const {
    return sCodeText(m_vsSyringeCapacityTexts, setting);
}

std::string CMZ700Parameters::GetSyringeSpeedTxt(int setting) const {
    return sCodeText(m_vsSyringeSpeedTexts, setting);
}
