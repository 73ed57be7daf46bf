#include "host/RunFileSectionReader.h"

using namespace photoquant;

CRunFileSectionReader::CRunFileSectionReader(const std::string& sSource,
                                             const std::filesystem::path& spectrumDir,
                                             CRunError& error)
    : CRunFileValueReader(sSource, error), m_sSource(sSource), m_spectrumDir(spectrumDir) {}

bool CRunFileSectionReader::bParse(const json& root, CRunFile& run) {
    run.m_sSource = m_sSource;
    return bObject(root, "") && bKnownFields(root, "", "") &&
           bString(root, "", "title", run.m_sTitle, false) &&
           bString(root, "", "operator", run.m_sOperator, false) && bMethod(root, run) &&
           bReadingUnit(root, run) && bInstrument(root, run) && bStandards(root, run) &&
           bUnknowns(root, run) && bValidation(root, run) && bConsistent(run);
}

bool CRunFileSectionReader::bConsistent(const CRunFile& run) {
    const CAnalysisSettings& settings = run.m_Settings;
    const bool bCalibrates = !run.m_vStandards.empty() && settings.m_iCalibType != kNoCalib;
    if (settings.m_iResultType == kConcResult && !bCalibrates && !settings.m_bManualCalib) {
        return bFail("/method/result",
                     "a concentration result needs standards with a calibration type, or a "
                     "manual calibration");
    }
    if (run.bHasStage() && !run.m_vStandards.empty()) {
        return bFail("/standards", "an in-plane distribution run measures unknowns only");
    }
    if (run.m_Accuracy &&
        (settings.m_iResultType != kReadingsResult || run.iQuantType() != kWavelengthQuant)) {
        return bFail("/validation",
                     "a photometric accuracy check reads wavelengths with the result "
                     "\"readings\"");
    }
    if (run.m_Accuracy && run.bHasStage()) {
        return bFail("/validation",
                     "a photometric accuracy check reads replicates, not stage positions");
    }
    if (settings.m_iCalibType == kSegmentedCalib && bCalibrates && run.m_vStandards.size() < 2) {
        return bFail("/standards", "a segmented calibration needs at least 2 standards");
    }
    return true;
}
