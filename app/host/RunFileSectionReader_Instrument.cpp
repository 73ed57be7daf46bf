#include "host/RunFileSectionReader.h"

using namespace photoquant;

bool CRunFileSectionReader::bCoded(const json& inst, const std::string& where, const char* key,
                                   const std::vector<std::string>& texts, const std::string& what,
                                   int& code) {
    return bChoice(inst, where, key, texts, what, code, false);
}

// A lamp or accessory setting that the listing shows only for instruments that have it.
bool CRunFileSectionReader::bAvailableCoded(const json& inst, const std::string& where,
                                            const char* key, const std::vector<std::string>& texts,
                                            int& code, int iParamId, CUVInstrParameters* pInst) {
    if (!bCoded(inst, where, key, texts, key, code)) {
        return false;
    }
    if (inst.contains(key)) {
        pInst->m_bParamAvailable[static_cast<size_t>(iParamId)] = 1;
    }
    return true;
}

bool CRunFileSectionReader::bAutoZero(const json& inst, const std::string& where, CRunFile& run) {
    CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
    CUVInstrParameters* pInst = run.m_Method.pGetInstrParam();
    bool bAutoZero = false;
    if (!bBool(inst, where, "auto_zero", bAutoZero) ||
        !bPositive(inst, where, "auto_zero_wavelength", pQuant->m_dZeroWL)) {
        return false;
    }
    pQuant->m_bZeroInst = bAutoZero ? 1 : 0;
    pInst->m_bParamAvailable[kAutoZeroParam] = inst.contains("auto_zero") ? 1 : 0;
    pInst->m_bParamAvailable[kAutoZeroWLParam] = inst.contains("auto_zero_wavelength") ? 1 : 0;
    return true;
}

bool CRunFileSectionReader::bInstrument(const json& root, CRunFile& run) {
    const json* pInstJson = pField(root, "", "instrument", false);
    if (pInstJson == nullptr) {
        return true;
    }
    const json& inst = *pInstJson;
    const std::string where = "/instrument";
    CUVInstrParameters* pInst = run.m_Method.pGetInstrParam();
    return bObject(inst, where) && bKnownFields(inst, where, "/instrument") &&
           bInt(inst, where, "family", pInst->m_iSelectType, 0, 13, false) &&
           bCoded(inst, where, "data_mode", pInst->m_vsDataModeTexts, "data mode",
                  pInst->m_iDataMode) &&
           bInt(inst, where, "delay", pInst->m_iDelay, 0, 86400, false) &&
           bCoded(inst, where, "slit", pInst->m_vsSlitTexts, "slit", pInst->m_iSlit) &&
           bPositive(inst, where, "slit_width", pInst->m_dSlitWidth) &&
           bCoded(inst, where, "scan_speed", pInst->m_vsScanSpeedTexts, "scan speed",
                  pInst->m_iScanSpeed) &&
           bPositive(inst, where, "lamp_change_wavelength", pInst->m_dLampChangeWL) &&
           bCoded(inst, where, "baseline", pInst->m_vsBaselineTexts, "baseline correction",
                  pInst->m_iBaseline) &&
           bCoded(inst, where, "response", pInst->m_vsResponseTexts, "response",
                  pInst->m_iResponse) &&
           bAvailableCoded(inst, where, "d2_lamp", pInst->m_vsD2LampTexts, pInst->m_iD2Lamp,
                           kD2LampParam, pInst) &&
           bAvailableCoded(inst, where, "wi_lamp", pInst->m_vsWILampTexts, pInst->m_iWILamp,
                           kWILampParam, pInst) &&
           bAutoZero(inst, where, run) &&
           bInt(inst, where, "wavelength_decimals", pInst->m_iWaveDecimals, 0, 4, false) &&
           bInt(inst, where, "photometric_decimals", pInst->m_iPhotoDecimals, 0, 8, false);
}
