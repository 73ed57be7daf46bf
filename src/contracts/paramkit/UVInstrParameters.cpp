#include "contracts/paramkit/UVInstrParameters.h"

#include <sstream>

#include "contracts/paramkit/CodeText.h"
#include "contracts/paramkit/DataDisplayOptions.h"

using namespace photoquant::detail;

namespace {

bool bIsParamId(int id) {
    return id >= 0 && id < CUVInstrParameters::kParamIdCount;
}

}  // namespace

std::string CUVInstrParameters::GetAbsUnitText(int) const {
    return CDataDisplayOptions().GetAbsUnit(-1);
}

void CUVInstrParameters::vUpdateSamplingInterval() {
    if (m_dSamplingInterval <= 0.0) {
        m_dSamplingInterval = m_dDataInterval;
    }
}

int CUVInstrParameters::bIsParamAvailable(int id) const {
    return bIsParamId(id) ? m_bParamAvailable[static_cast<size_t>(id)] : 0;
}

std::string CUVInstrParameters::GetMehodParamName(int id, int selectType) const {
    const bool bOwnFamily = selectType == -1 || selectType == m_iSelectType;
    return bIsParamId(id) && bOwnFamily ? m_sMethodParamName[static_cast<size_t>(id)]
                                        : std::string();
}

std::string CUVInstrParameters::GetValidParamValue(int id, int fallbackSetting) const {
    if (!bIsParamId(id)) {
        return std::string();
    }
    const auto& values = m_vsMethodParamValues[static_cast<size_t>(id)];
    const int setting = m_iMethodParamSetting[static_cast<size_t>(id)];
    const bool bSettingValid = setting >= 0 && static_cast<size_t>(setting) < values.size();
    return sCodeText(values, bSettingValid ? setting : fallbackSetting);
}

std::string CUVInstrParameters::GetDataModeText(int mode) const {
    return sCodeText(m_vsDataModeTexts, mode);
}

std::string CUVInstrParameters::GetScanSpeedText(int code) const {
    return sCodeText(m_vsScanSpeedTexts, code);
}

std::string CUVInstrParameters::GetVariableSlitText(int slitMode) const {
    return sCodeText(m_vsVariableSlitTexts, slitMode);
}

std::string CUVInstrParameters::GetSlitText(int code) const {
    return sCodeText(m_vsSlitTexts, code);
}

std::string CUVInstrParameters::GetPMTText(int pmtMode) const {
    return sCodeText(m_vsPMTTexts, pmtMode);
}

std::string CUVInstrParameters::GetLampChangeModeText(int mode) const {
    return sCodeText(m_vsLampChangeModeTexts, mode == -1 ? m_iLampChangeMode : mode);
}

std::string CUVInstrParameters::GetBaselineText(int code) const {
    return sCodeText(m_vsBaselineTexts, code);
}

std::string CUVInstrParameters::GetResponseText(int code) const {
    return sCodeText(m_vsResponseTexts, code);
}

std::string CUVInstrParameters::GetD2LampText(int code) const {
    return sCodeText(m_vsD2LampTexts, code);
}

std::string CUVInstrParameters::GetWILampText(int code) const {
    return sCodeText(m_vsWILampTexts, code);
}

std::string CUVInstrParameters::GetDetZeroCorrectText(int code) const {
    return sCodeText(m_vsDetZeroCorrectTexts, code);
}

std::string CUVInstrParameters::GetNIRScanSpeedText(int code) const {
    return sCodeText(m_vsNIRScanSpeedTexts, code);
}

std::string CUVInstrParameters::GetNIRSlitText(int nirSlitMode) const {
    return sCodeText(m_vsNIRSlitTexts, nirSlitMode);
}

std::string CUVInstrParameters::GetDetChangeCorrectText(int code) const {
    return sCodeText(m_vsDetChangeCorrectTexts, code);
}

std::string CUVInstrParameters::GetLightControlText(int code) const {
    return sCodeText(m_vsLightControlTexts, code);
}

std::string CUVInstrParameters::GetUVScanSpeedText(int code) const {
    return sCodeText(m_vsUVScanSpeedTexts, code);
}

std::string CUVInstrParameters::GetDataIntervalText() const {
    std::ostringstream text;
    text << m_dDataInterval << ' ' << m_sLengthUnit;
    return text.str();
}
