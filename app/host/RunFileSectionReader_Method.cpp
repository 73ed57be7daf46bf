#include <cmath>

#include "host/RunFileSectionReader.h"
#include "host/SettingNames.h"

using namespace photoquant;

namespace {

// Counts a laboratory run stays well within; beyond them a file is more likely wrong than large.
constexpr int kMaxReplicates = 100;
constexpr int kMaxDecimals = 10;

// Coded settings by the words the run file uses for them, in code order.
const std::vector<std::string> kOperandNames = {"plus", "minus", "times"};
const std::vector<std::string> kIntegrationNames = {"rectangular", "trapezoid", "romberg"};
const std::vector<std::string> kStageUnitNames = {"per sample", "all samples"};

}  // namespace

const std::vector<std::string> kQuantNames = {"wavelength", "peak area", "peak height",
                                              "derivative", "ratio"};
const std::vector<std::string> kCalibNames = {"none", "1st order", "2nd order", "3rd order",
                                              "segmented"};
const std::vector<std::string> kDirectionNames = {"reading from concentration",
                                                  "concentration from reading"};
const std::vector<std::string> kWeightingNames = {"none", "1/x", "1/x^2", "1/y", "1/y^2", "1/s^2"};
const std::vector<std::string> kResultNames = {"readings", "concentration", "ratio"};

bool CRunFileSectionReader::bMethod(const json& root, CRunFile& run) {
    const json* pMethod = pField(root, "", "method", true);
    const std::string where = "/method";
    return pMethod != nullptr && bObject(*pMethod, where) &&
           bKnownFields(*pMethod, where, "/method") && bQuantitation(*pMethod, where, run) &&
           bCalibration(*pMethod, where, run) && bCalibrationStatistics(*pMethod, where, run) &&
           bReporting(*pMethod, where, run) && bResult(*pMethod, where, run) &&
           bManualCalibration(*pMethod, where, run) && bPath(*pMethod, where, run) &&
           bPeak(*pMethod, where, run) && bDerivative(*pMethod, where, run) &&
           bStage(*pMethod, where, run);
}

bool CRunFileSectionReader::bQuantitation(const json& method, const std::string& where,
                                          CRunFile& run) {
    CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
    if (!bChoice(method, where, "quantitation", kQuantNames, "quantitation", pQuant->m_iQuantType,
                 true) ||
        !bInt(method, where, "replicates", pQuant->m_iNumRep, 1, kMaxReplicates, true)) {
        return false;
    }
    const bool bSpectral = run.bIsSpectral();
    const json* pWaves = pField(method, where, "wavelengths", !bSpectral);
    if (pWaves == nullptr) {
        pQuant->m_iNumWave = 1;  // the spectrum is reduced to one value
        return bSpectral;        // without: the missing field is recorded
    }
    return bWavelengths(*pWaves, where + "/wavelengths", run);
}

bool CRunFileSectionReader::bWavelengths(const json& waves, const std::string& where,
                                         CRunFile& run) {
    CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
    if (!bArray(waves, where)) {
        return false;
    }
    // One to three readings make a point's photometric value, two or three a ratio, and a
    // spectrum is reduced at one wavelength.
    const int iQuant = pQuant->m_iQuantType;
    const size_t minCount = iQuant == kRatioQuant ? 2 : 1;
    const size_t maxCount = run.bIsSpectral() ? 1 : 3;
    if (waves.size() < minCount || waves.size() > maxCount) {
        return bFail(where, kQuantNames[static_cast<size_t>(iQuant)] + " quantitation takes " +
                                std::to_string(minCount) +
                                (minCount == maxCount ? "" : " to " + std::to_string(maxCount)) +
                                " wavelengths, found " + std::to_string(waves.size()));
    }
    for (size_t i = 0; i < waves.size(); ++i) {
        double wave = 0.0;
        const std::string path = where + "/" + std::to_string(i);
        if (!bNumberValue(waves[i], path, wave)) {
            return false;
        }
        if (wave <= 0.0) {
            return bFail(path, "a wavelength must be above 0 nm");
        }
        pQuant->m_dWave[i] = wave;
    }
    pQuant->m_iNumWave = static_cast<int>(waves.size());
    return true;
}

bool CRunFileSectionReader::bCalibration(const json& method, const std::string& where,
                                         CRunFile& run) {
    CAnalysisSettings& settings = run.m_Settings;
    bool bForceZero = false;
    int iDirection = 0;
    if (!bChoice(method, where, "calibration", kCalibNames, "calibration type",
                 settings.m_iCalibType, false) ||
        !bBool(method, where, "force_through_zero", bForceZero) ||
        !bChoice(method, where, "direction", kDirectionNames, "conversion direction", iDirection,
                 false) ||
        !bChoice(method, where, "weighting", kWeightingNames, "weighting", settings.m_iWeighting,
                 false)) {
        return false;
    }
    settings.m_bForceZero = bForceZero ? 1 : 0;
    if (method.contains("direction")) {
        settings.m_iDirection = iDirection;
    }
    return settings.m_iWeighting == kWeightNone || bIsPolynomialCalib(settings.m_iCalibType) ||
           bFail(where + "/weighting", "a weighting applies to a polynomial calibration only");
}

bool CRunFileSectionReader::bCalibrationStatistics(const json& method, const std::string& where,
                                                   CRunFile& run) {
    const json* pStatistics = pField(method, where, "calibration_statistics", false);
    if (pStatistics == nullptr) {
        return true;
    }
    const std::string path = where + "/calibration_statistics";
    CAnalysisSettings& settings = run.m_Settings;
    return bObject(*pStatistics, path) &&
           bKnownFields(*pStatistics, path, "/method/calibration_statistics") &&
           bFraction(*pStatistics, path, "confidence", settings.m_Statistics.dConfidence) &&
           bFraction(*pStatistics, path, "alpha", settings.m_Statistics.dAlpha) &&
           bPositive(*pStatistics, path, "k", settings.m_Statistics.dK) &&
           bBool(*pStatistics, path, "remove_outliers", settings.m_bRemoveOutliers);
}

bool CRunFileSectionReader::bReporting(const json& method, const std::string& where,
                                       CRunFile& run) {
    CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
    bool bStatistics = false;
    if (!bString(method, where, "unit", pQuant->m_sConcUnit, false) ||
        !bInt(method, where, "decimals", pQuant->m_iConcDecimals, 0, kMaxDecimals, false) ||
        !bBool(method, where, "statistics", bStatistics) ||
        !bInt(method, where, "statistics_group", pQuant->m_iStatisticsNum, 1, 1000, false)) {
        return false;
    }
    pQuant->m_bStatisticalMode = bStatistics ? 1 : 0;
    return bLimits(method, where, run);
}

bool CRunFileSectionReader::bLimits(const json& method, const std::string& where, CRunFile& run) {
    const json* pLimits = pField(method, where, "limits", false);
    if (pLimits == nullptr) {
        return true;
    }
    const std::string path = where + "/limits";
    CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
    if (!bObject(*pLimits, path) || !bKnownFields(*pLimits, path, "/method/limits") ||
        !bNumber(*pLimits, path, "lower", pQuant->m_dLoLimit, false) ||
        !bNumber(*pLimits, path, "upper", pQuant->m_dHiLimit, false)) {
        return false;
    }
    run.m_Settings.m_bLowerLimitGiven = pLimits->contains("lower");
    run.m_Settings.m_bUpperLimitGiven = pLimits->contains("upper");
    return pQuant->m_dLoLimit <= pQuant->m_dHiLimit ||
           bFail(path, "the lower limit lies above the upper limit");
}

bool CRunFileSectionReader::bResult(const json& method, const std::string& where, CRunFile& run) {
    CAnalysisSettings& settings = run.m_Settings;
    settings.m_iResultType = run.iQuantType() == kRatioQuant ? kRatioResult : kConcResult;
    if (!bChoice(method, where, "result", kResultNames, "result type", settings.m_iResultType,
                 false) ||
        !bChoice(method, where, "operand", kOperandNames, "operand", settings.m_iRatioOperand,
                 false)) {
        return false;
    }
    const bool bRatioQuant = run.iQuantType() == kRatioQuant;
    if (bRatioQuant != (settings.m_iResultType == kRatioResult)) {
        return bFail(where + "/result",
                     "a ratio result goes with ratio quantitation and only with it");
    }
    const json* pK = pField(method, where, "k_factors", false);
    if (pK == nullptr) {
        return true;
    }
    const std::string path = where + "/k_factors";
    if (!bArray(*pK, path) || !bCount(*pK, path, 3, "K-factor", "K0, K1 and K2")) {
        return false;
    }
    for (size_t i = 0; i < 3; ++i) {
        if (!bNumberValue((*pK)[i], path + "/" + std::to_string(i), settings.m_dKFactor[i])) {
            return false;
        }
    }
    // ratio = (A1 K1) / (A2 K2): K2 divides every ratio.
    return settings.m_dKFactor[2] != 0.0 ||
           bFail(path + "/2", "K2 divides the ratio and cannot be 0");
}

bool CRunFileSectionReader::bManualCalibration(const json& method, const std::string& where,
                                               CRunFile& run) {
    const json* pManual = pField(method, where, "manual_calibration", false);
    if (pManual == nullptr) {
        return true;
    }
    const std::string path = where + "/manual_calibration";
    CAnalysisSettings& settings = run.m_Settings;
    if (!bObject(*pManual, path) || !bKnownFields(*pManual, path, "/method/manual_calibration") ||
        !bInt(*pManual, path, "order", settings.m_iManualOrder, 1, 3, true)) {
        return false;
    }
    const json* pCoeffs = pField(*pManual, path, "coefficients", true);
    const std::string coeffPath = path + "/coefficients";
    const auto count = static_cast<size_t>(settings.m_iManualOrder + 1);
    if (pCoeffs == nullptr || !bArray(*pCoeffs, coeffPath) ||
        !bCount(*pCoeffs, coeffPath, count, "coefficient", "A0 up to the order")) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        if (!bNumberValue((*pCoeffs)[i], coeffPath + "/" + std::to_string(i),
                          settings.m_dManualCoeff[i])) {
            return false;
        }
    }
    settings.m_bManualCalib = true;
    return true;
}

bool CRunFileSectionReader::bPath(const json& method, const std::string& where, CRunFile& run) {
    CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
    bool bCorrect = pQuant->m_bPathLengthCorrect != 0;
    if (!bPositive(method, where, "path_length", pQuant->m_dPathLength) ||
        !bBool(method, where, "path_length_correction", bCorrect)) {
        return false;
    }
    pQuant->m_bPathLengthCorrect = bCorrect ? 1 : 0;
    return true;
}

bool CRunFileSectionReader::bPeak(const json& method, const std::string& where, CRunFile& run) {
    const bool bPeakQuant = bIsPeakQuant(run.iQuantType());
    const json* pPeak = pField(method, where, "peak", bPeakQuant);
    if (pPeak == nullptr) {
        return !bPeakQuant;
    }
    const std::string path = where + "/peak";
    if (!bPeakQuant) {
        return bFail(path, "used only by peak area and peak height quantitation");
    }
    CAnalysisSettings& settings = run.m_Settings;
    return bObject(*pPeak, path) && bKnownFields(*pPeak, path, "/method/peak") &&
           bNumber(*pPeak, path, "apex", settings.m_dPeakApex, true) &&
           bNumber(*pPeak, path, "range", settings.m_dPeakRange, true) &&
           bNumber(*pPeak, path, "threshold", settings.m_dThreshold, false) &&
           bInt(*pPeak, path, "sensitivity", settings.m_iSensitivity, 0, 10, false) &&
           bChoice(*pPeak, path, "integration", kIntegrationNames, "integration method",
                   settings.m_iIntegMethod, false);
}

bool CRunFileSectionReader::bDerivative(const json& method, const std::string& where,
                                        CRunFile& run) {
    const bool bDerivQuant = run.iQuantType() == kDerivativeQuant;
    const json* pDeriv = pField(method, where, "derivative", bDerivQuant);
    if (pDeriv == nullptr) {
        return !bDerivQuant;
    }
    const std::string path = where + "/derivative";
    if (!bDerivQuant) {
        return bFail(path, "used only by derivative quantitation");
    }
    CAnalysisSettings& settings = run.m_Settings;
    return bObject(*pDeriv, path) && bKnownFields(*pDeriv, path, "/method/derivative") &&
           bNumber(*pDeriv, path, "wavelength", settings.m_dDerivWL, true) &&
           bInt(*pDeriv, path, "order", settings.m_iDerivOrder, 1, 4, false) &&
           bInt(*pDeriv, path, "smoothing_order", settings.m_iDerivSmoothOrder, 1, 6, false) &&
           bInt(*pDeriv, path, "points", settings.m_iDerivWindow, 2, 50, false);
}

bool CRunFileSectionReader::bStage(const json& method, const std::string& where, CRunFile& run) {
    const json* pStage = pField(method, where, "stage", false);
    if (pStage == nullptr) {
        return true;
    }
    const std::string path = where + "/stage";
    if (!bObject(*pStage, path) || !bKnownFields(*pStage, path, "/method/stage") ||
        !bChoice(*pStage, path, "statistics", kStageUnitNames, "stage statistics",
                 run.m_Settings.m_iStageCalcUnit, false)) {
        return false;
    }
    const json* pPositions = pField(*pStage, path, "positions", true);
    const std::string listPath = path + "/positions";
    if (pPositions == nullptr || !bArray(*pPositions, listPath)) {
        return false;
    }
    if (pPositions->empty()) {
        return bFail(listPath, "an in-plane distribution needs at least one position");
    }
    std::vector<CDoublePt> positions;
    for (size_t i = 0; i < pPositions->size(); ++i) {
        const std::string posPath = listPath + "/" + std::to_string(i);
        const json& pos = (*pPositions)[i];
        CDoublePt point;
        if (!bArray(pos, posPath) || !bCount(pos, posPath, 2, "coordinate", "x and y") ||
            !bNumberValue(pos[0], posPath + "/0", point.x) ||
            !bNumberValue(pos[1], posPath + "/1", point.y)) {
            return false;
        }
        positions.push_back(point);
    }
    run.m_Method.pGetXYStageParam()->vSetCoordArray(positions);
    run.m_Method.pGetInstrParam()->m_iMeasMode = kInPlaneMeasMode;
    return true;
}
