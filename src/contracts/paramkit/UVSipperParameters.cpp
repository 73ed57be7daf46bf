#include "contracts/paramkit/UVSipperParameters.h"

#include "contracts/paramkit/CodeText.h"

using photoquant::detail::sCodeText;

std::string CUVSipperParameters::GetTemperatureTxt(int setting) const {
    return sCodeText(m_vsTemperatureTexts, setting);
}
