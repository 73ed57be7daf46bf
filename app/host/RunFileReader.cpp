// Run-file reader. Every field is looked at through one of a few typed readers that record the
// first problem with its JSON pointer; a reader that fails returns false and the caller stops, so
// the message always names the first fault in the file's order of sections.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host/RunFile.h"
#include "host/SpectrumCsv.h"

extern const char* const g_szBuiltinExample;

using namespace photoquant;

namespace {

using json = nlohmann::json;

constexpr int kWavelengthQuant = 0;
constexpr int kRatioQuant = 4;
constexpr int kReadingsResult = 0;
constexpr int kConcResult = 1;
constexpr int kRatioResult = 2;
constexpr int kSegmentedCalib = 4;
constexpr int kInPlaneMeasMode = 7;
// Counts a laboratory run stays well within; beyond them a file is more likely wrong than large.
constexpr int kMaxReplicates = 100;
constexpr int kMaxDecimals = 10;

// Coded settings by the words the run file uses for them, in code order.
const std::vector<std::string> kQuantNames = {"wavelength", "peak area", "peak height",
                                              "derivative", "ratio"};
const std::vector<std::string> kCalibNames = {"none", "1st order", "2nd order", "3rd order",
                                              "segmented"};
const std::vector<std::string> kDirectionNames = {"reading from concentration",
                                                  "concentration from reading"};
const std::vector<std::string> kResultNames = {"readings", "concentration", "ratio"};
const std::vector<std::string> kOperandNames = {"plus", "minus", "times"};
const std::vector<std::string> kIntegrationNames = {"rectangular", "trapezoid", "romberg"};
const std::vector<std::string> kStageUnitNames = {"per sample", "all samples"};
const std::vector<std::string> kReadingUnitNames = {"%T", "Abs"};

std::string sLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string sJoined(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& word : words) {
        if (!joined.empty()) {
            joined += ", ";
        }
        joined += word;
    }
    return joined;
}

// What a JSON value is, for "expected a number, found ..." messages.
std::string sDescribe(const json& value) {
    switch (value.type()) {
        case json::value_t::null:
            return "null";
        case json::value_t::boolean:
            return value.get<bool>() ? "true" : "false";
        case json::value_t::string:
            return "the text \"" + value.get<std::string>() + "\"";
        case json::value_t::array:
            return "a list";
        case json::value_t::object:
            return "an object";
        default:
            return "the number " + value.dump();
    }
}

// Records where a parse error lies without the DOM parser throwing.
class CSyntaxErrorFinder : public nlohmann::json_sax<json> {
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& ex) override {
        m_sProblem = ex.what();
        return false;
    }
    // "line 3, column 5: syntax error while parsing ..." out of the library's message.
    std::string sProblem() const {
        const std::string marker = "parse error at ";
        const auto at = m_sProblem.find(marker);
        return at == std::string::npos ? m_sProblem : m_sProblem.substr(at + marker.size());
    }

private:
    std::string m_sProblem;
};

class CRunFileParser {
public:
    CRunFileParser(const std::string& sSource, const std::filesystem::path& spectrumDir,
                   CRunError& error)
        : m_sSource(sSource), m_spectrumDir(spectrumDir), m_error(error) {}

    bool bParse(const json& root, CRunFile& run) {
        run.m_sSource = m_sSource;
        return bObject(root, "") &&
               bKnownFields(root, "",
                            {"title", "reading_unit", "method", "instrument", "standards",
                             "unknowns", "validation"}) &&
               bString(root, "", "title", run.m_sTitle, false) && bMethod(root, run) &&
               bReadingUnit(root, run) && bInstrument(root, run) && bStandards(root, run) &&
               bUnknowns(root, run) && bValidation(root, run) && bConsistent(run);
    }

private:
    // ---- typed readers -------------------------------------------------------------------------

    bool bFail(const std::string& where, const std::string& problem) {
        m_error = {m_sSource, where.empty() ? "/" : where, problem};
        return false;
    }

    bool bObject(const json& value, const std::string& where) {
        return value.is_object() || bFail(where, "expected an object, found " + sDescribe(value));
    }

    bool bKnownFields(const json& object, const std::string& where,
                      std::initializer_list<const char*> known) {
        for (const auto& item : object.items()) {
            const bool bKnown = std::any_of(known.begin(), known.end(),
                                            [&](const char* name) { return item.key() == name; });
            if (!bKnown) {
                std::vector<std::string> names(known.begin(), known.end());
                return bFail(where + "/" + item.key(),
                             "unknown field (known here: " + sJoined(names) + ")");
            }
        }
        return true;
    }

    // The field's value, or null with a "missing field" error when it is required and absent.
    const json* pField(const json& object, const std::string& where, const char* key,
                       bool bRequired) {
        const auto found = object.find(key);
        if (found != object.end()) {
            return &*found;
        }
        if (bRequired) {
            bFail(where + "/" + key, "missing field");
        }
        return nullptr;
    }

    bool bNumberValue(const json& value, const std::string& where, double& number) {
        if (!value.is_number()) {
            return bFail(where, "expected a number, found " + sDescribe(value));
        }
        number = value.get<double>();
        return true;
    }

    bool bNumber(const json& object, const std::string& where, const char* key, double& number,
                 bool bRequired) {
        const json* pValue = pField(object, where, key, bRequired);
        return pValue == nullptr ? !bRequired : bNumberValue(*pValue, where + "/" + key, number);
    }

    bool bPositive(const json& object, const std::string& where, const char* key, double& number) {
        if (!bNumber(object, where, key, number, false)) {
            return false;
        }
        return number > 0.0 ||
               bFail(where + "/" + key, "must be above 0, found " + sFixed(number, 6));
    }

    bool bInt(const json& object, const std::string& where, const char* key, int& number, int iMin,
              int iMax, bool bRequired) {
        const json* pValue = pField(object, where, key, bRequired);
        if (pValue == nullptr) {
            return !bRequired;
        }
        const std::string path = where + "/" + key;
        if (!pValue->is_number_integer()) {
            return bFail(path, "expected a whole number, found " + sDescribe(*pValue));
        }
        const auto value = pValue->get<long long>();
        if (value < iMin || value > iMax) {
            return bFail(path, "must lie between " + std::to_string(iMin) + " and " +
                                   std::to_string(iMax) + ", found " + std::to_string(value));
        }
        number = static_cast<int>(value);
        return true;
    }

    bool bBool(const json& object, const std::string& where, const char* key, bool& flag) {
        const json* pValue = pField(object, where, key, false);
        if (pValue == nullptr) {
            return true;
        }
        if (!pValue->is_boolean()) {
            return bFail(where + "/" + key, "expected true or false, found " + sDescribe(*pValue));
        }
        flag = pValue->get<bool>();
        return true;
    }

    bool bString(const json& object, const std::string& where, const char* key, std::string& text,
                 bool bRequired) {
        const json* pValue = pField(object, where, key, bRequired);
        if (pValue == nullptr) {
            return !bRequired;
        }
        if (!pValue->is_string()) {
            return bFail(where + "/" + key, "expected a text, found " + sDescribe(*pValue));
        }
        text = pValue->get<std::string>();
        return true;
    }

    // A word out of a list, in any letter case; its index is the setting's code.
    bool bChoice(const json& object, const std::string& where, const char* key,
                 const std::vector<std::string>& words, const std::string& what, int& code,
                 bool bRequired) {
        std::string text;
        if (!bString(object, where, key, text, bRequired)) {
            return false;
        }
        if (object.find(key) == object.end()) {
            return true;
        }
        for (size_t i = 0; i < words.size(); ++i) {
            if (!words[i].empty() && sLower(words[i]) == sLower(text)) {
                code = static_cast<int>(i);
                return true;
            }
        }
        std::vector<std::string> offered;
        std::copy_if(words.begin(), words.end(), std::back_inserter(offered),
                     [](const std::string& word) { return !word.empty(); });
        return bFail(where + "/" + key,
                     "unknown " + what + " \"" + text + "\" (one of: " + sJoined(offered) + ")");
    }

    bool bArray(const json& value, const std::string& where) {
        return value.is_array() || bFail(where, "expected a list, found " + sDescribe(value));
    }

    // "expected 1 reading (one per wavelength), found 2": what is "reading" or "readings" to
    // agree with the number, why says what the number follows.
    bool bCount(const json& list, const std::string& where, size_t expected,
                const std::string& thing, const std::string& why) {
        if (list.size() == expected) {
            return true;
        }
        return bFail(where, "expected " + std::to_string(expected) + " " + thing +
                                (expected == 1 ? "" : "s") + " (" + why + "), found " +
                                std::to_string(list.size()));
    }

    // ---- method
    // -----------------------------------------------------------------------------------

    bool bMethod(const json& root, CRunFile& run) {
        const json* pMethod = pField(root, "", "method", true);
        const std::string where = "/method";
        return pMethod != nullptr && bObject(*pMethod, where) &&
               bKnownFields(*pMethod, where,
                            {"quantitation",
                             "wavelengths",
                             "replicates",
                             "calibration",
                             "force_through_zero",
                             "direction",
                             "limits",
                             "unit",
                             "decimals",
                             "statistics",
                             "statistics_group",
                             "result",
                             "k_factors",
                             "operand",
                             "manual_calibration",
                             "path_length",
                             "path_length_correction",
                             "peak",
                             "derivative",
                             "stage"}) &&
               bQuantitation(*pMethod, where, run) && bCalibration(*pMethod, where, run) &&
               bReporting(*pMethod, where, run) && bResult(*pMethod, where, run) &&
               bManualCalibration(*pMethod, where, run) && bPath(*pMethod, where, run) &&
               bPeak(*pMethod, where, run) && bDerivative(*pMethod, where, run) &&
               bStage(*pMethod, where, run);
    }

    bool bQuantitation(const json& method, const std::string& where, CRunFile& run) {
        CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
        if (!bChoice(method, where, "quantitation", kQuantNames, "quantitation",
                     pQuant->m_iQuantType, true) ||
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

    bool bWavelengths(const json& waves, const std::string& where, CRunFile& run) {
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
            return bFail(where,
                         kQuantNames[static_cast<size_t>(iQuant)] + " quantitation takes " +
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

    bool bCalibration(const json& method, const std::string& where, CRunFile& run) {
        CAnalysisSettings& settings = run.m_Settings;
        bool bForceZero = false;
        int iDirection = 0;
        if (!bChoice(method, where, "calibration", kCalibNames, "calibration type",
                     settings.m_iCalibType, false) ||
            !bBool(method, where, "force_through_zero", bForceZero) ||
            !bChoice(method, where, "direction", kDirectionNames, "conversion direction",
                     iDirection, false)) {
            return false;
        }
        settings.m_bForceZero = bForceZero ? 1 : 0;
        if (method.contains("direction")) {
            settings.m_iDirection = iDirection;
        }
        return true;
    }

    bool bReporting(const json& method, const std::string& where, CRunFile& run) {
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

    bool bLimits(const json& method, const std::string& where, CRunFile& run) {
        const json* pLimits = pField(method, where, "limits", false);
        if (pLimits == nullptr) {
            return true;
        }
        const std::string path = where + "/limits";
        CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
        if (!bObject(*pLimits, path) || !bKnownFields(*pLimits, path, {"lower", "upper"}) ||
            !bNumber(*pLimits, path, "lower", pQuant->m_dLoLimit, false) ||
            !bNumber(*pLimits, path, "upper", pQuant->m_dHiLimit, false)) {
            return false;
        }
        return pQuant->m_dLoLimit <= pQuant->m_dHiLimit ||
               bFail(path, "the lower limit lies above the upper limit");
    }

    bool bResult(const json& method, const std::string& where, CRunFile& run) {
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
        return true;
    }

    bool bManualCalibration(const json& method, const std::string& where, CRunFile& run) {
        const json* pManual = pField(method, where, "manual_calibration", false);
        if (pManual == nullptr) {
            return true;
        }
        const std::string path = where + "/manual_calibration";
        CAnalysisSettings& settings = run.m_Settings;
        if (!bObject(*pManual, path) || !bKnownFields(*pManual, path, {"order", "coefficients"}) ||
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

    bool bPath(const json& method, const std::string& where, CRunFile& run) {
        CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
        bool bCorrect = pQuant->m_bPathLengthCorrect != 0;
        if (!bPositive(method, where, "path_length", pQuant->m_dPathLength) ||
            !bBool(method, where, "path_length_correction", bCorrect)) {
            return false;
        }
        pQuant->m_bPathLengthCorrect = bCorrect ? 1 : 0;
        return true;
    }

    bool bPeak(const json& method, const std::string& where, CRunFile& run) {
        const int iQuant = run.iQuantType();
        const bool bPeakQuant = iQuant == 1 || iQuant == 2;
        const json* pPeak = pField(method, where, "peak", bPeakQuant);
        if (pPeak == nullptr) {
            return !bPeakQuant;
        }
        const std::string path = where + "/peak";
        if (!bPeakQuant) {
            return bFail(path, "used only by peak area and peak height quantitation");
        }
        CAnalysisSettings& settings = run.m_Settings;
        return bObject(*pPeak, path) &&
               bKnownFields(*pPeak, path,
                            {"apex", "range", "threshold", "sensitivity", "integration"}) &&
               bNumber(*pPeak, path, "apex", settings.m_dPeakApex, true) &&
               bNumber(*pPeak, path, "range", settings.m_dPeakRange, true) &&
               bNumber(*pPeak, path, "threshold", settings.m_dThreshold, false) &&
               bInt(*pPeak, path, "sensitivity", settings.m_iSensitivity, 0, 10, false) &&
               bChoice(*pPeak, path, "integration", kIntegrationNames, "integration method",
                       settings.m_iIntegMethod, false);
    }

    bool bDerivative(const json& method, const std::string& where, CRunFile& run) {
        const bool bDerivQuant = run.iQuantType() == 3;
        const json* pDeriv = pField(method, where, "derivative", bDerivQuant);
        if (pDeriv == nullptr) {
            return !bDerivQuant;
        }
        const std::string path = where + "/derivative";
        if (!bDerivQuant) {
            return bFail(path, "used only by derivative quantitation");
        }
        CAnalysisSettings& settings = run.m_Settings;
        return bObject(*pDeriv, path) &&
               bKnownFields(*pDeriv, path, {"wavelength", "order", "smoothing_order", "points"}) &&
               bNumber(*pDeriv, path, "wavelength", settings.m_dDerivWL, true) &&
               bInt(*pDeriv, path, "order", settings.m_iDerivOrder, 1, 4, false) &&
               bInt(*pDeriv, path, "smoothing_order", settings.m_iDerivSmoothOrder, 1, 6, false) &&
               bInt(*pDeriv, path, "points", settings.m_iDerivWindow, 2, 50, false);
    }

    bool bStage(const json& method, const std::string& where, CRunFile& run) {
        const json* pStage = pField(method, where, "stage", false);
        if (pStage == nullptr) {
            return true;
        }
        const std::string path = where + "/stage";
        if (!bObject(*pStage, path) || !bKnownFields(*pStage, path, {"positions", "statistics"}) ||
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

    // ---- readings
    // ---------------------------------------------------------------------------------

    bool bReadingUnit(const json& root, CRunFile& run) {
        const bool bTakesReadings = !run.bIsSpectral();
        return bChoice(root, "", "reading_unit", kReadingUnitNames, "reading unit", m_iReadingUnit,
                       bTakesReadings);
    }

    bool bReading(const json& value, const std::string& where, double& transmittance) {
        double reading = 0.0;
        if (!bNumberValue(value, where, reading)) {
            return false;
        }
        if (m_iReadingUnit == 1) {
            transmittance = std::pow(10.0, -reading);
            return true;
        }
        if (reading < 0.0) {
            return bFail(where,
                         "a transmittance cannot be negative, found " + value.dump() + " %T");
        }
        transmittance = reading / 100.0;
        return true;
    }

    bool bReadings(const json& list, const std::string& where, const CRunFile& run,
                   CPointEntry& point) {
        const auto count = static_cast<size_t>(run.m_Method.pGetQuantParam()->m_iNumWave);
        if (!bCount(list, where, count, "reading", "one per wavelength")) {
            return false;
        }
        point.m_eKind = CPointEntry::EKind::kMeasured;
        point.m_vdTransmittance.resize(count);
        for (size_t k = 0; k < count; ++k) {
            if (!bReading(list[k], where + "/" + std::to_string(k), point.m_vdTransmittance[k])) {
                return false;
            }
        }
        return true;
    }

    bool bSpectrumPoint(const json& value, const std::string& where, CRunFile& run,
                        CPointEntry& point) {
        const std::string name = value.get<std::string>();
        const std::filesystem::path path = m_spectrumDir / name;
        std::error_code code;
        if (!std::filesystem::is_regular_file(path, code)) {
            return bFail(where, "spectrum file not found: " + path.string());
        }
        point.m_eKind = CPointEntry::EKind::kSpectrum;
        if (!bReadSpectrumCsv(path, path.string(), point.m_Spectrum, m_error)) {
            return false;
        }
        return bSameScan(point.m_Spectrum, where, path.string(), run);
    }

    // The document stores every spectrum in the same space, and the derivative is read at an index
    // of the scan: all spectra of a run share the first one's wavelengths.
    bool bSameScan(const CSpectrum& spectrum, const std::string& where, const std::string& name,
                   CRunFile& run) {
        CUVInstrParameters* pInst = run.m_Method.pGetInstrParam();
        const int n = static_cast<int>(spectrum.m_vdValues.size());
        if (m_iSpectrumPoints == 0) {
            m_iSpectrumPoints = n;
            pInst->m_dStartWL = spectrum.m_dStartWL;
            pInst->m_dDataInterval = spectrum.m_dInterval;
            pInst->m_dEndWL = spectrum.m_dStartWL - (n - 1) * spectrum.m_dInterval;
            return true;
        }
        const bool bSame = n == m_iSpectrumPoints &&
                           std::abs(spectrum.m_dStartWL - pInst->m_dStartWL) < 1e-6 &&
                           std::abs(spectrum.m_dInterval - pInst->m_dDataInterval) < 1e-6;
        return bSame || bFail(where, name +
                                         " is not scanned over the wavelengths of the first "
                                         "spectrum (" +
                                         std::to_string(m_iSpectrumPoints) + " points from " +
                                         sFixed(pInst->m_dStartWL, 2) + " nm down by " +
                                         sFixed(pInst->m_dDataInterval, 2) + " nm)");
    }

    bool bPoint(const json& value, const std::string& where, CRunFile& run, CPointEntry& point) {
        if (value.is_null()) {
            point.m_eKind = CPointEntry::EKind::kSkipped;
            return true;
        }
        if (value.is_object()) {
            if (!m_bStandardPoints) {
                return bFail(where, "typed-in values are taken for standards only");
            }
            point.m_eKind = CPointEntry::EKind::kManual;
            return bKnownFields(value, where, {"manual"}) &&
                   bNumber(value, where, "manual", point.m_dManualValue, true);
        }
        if (run.bIsSpectral()) {
            return value.is_string()
                       ? bSpectrumPoint(value, where, run, point)
                       : bFail(where,
                               "expected a spectrum file name, null (not measured) or "
                               "{\"manual\": value}, found " +
                                   sDescribe(value));
        }
        return value.is_array() ? bReadings(value, where, run, point)
                                : bFail(where,
                                        "expected a list of readings, null (not measured) "
                                        "or {\"manual\": absorbance}, found " +
                                            sDescribe(value));
    }

    // The points of one sample: a replicate each, or a stage position each.
    bool bPoints(const json& sample, const std::string& where, CRunFile& run,
                 std::vector<CPointEntry>& points) {
        const json* pList = pField(sample, where, "readings", true);
        const std::string path = where + "/readings";
        if (pList == nullptr || !bArray(*pList, path)) {
            return false;
        }
        const bool bStage = run.bHasStage();
        const auto expected =
            static_cast<size_t>(bStage ? run.m_Method.pGetXYStageParam()->iGetCoordNum()
                                       : run.m_Method.pGetQuantParam()->m_iNumRep);
        if (!bCount(*pList, path, expected, "point",
                    bStage ? "one per stage position" : "one per replicate")) {
            return false;
        }
        points.resize(expected);
        for (size_t i = 0; i < expected; ++i) {
            if (!bPoint((*pList)[i], path + "/" + std::to_string(i), run, points[i])) {
                return false;
            }
        }
        return true;
    }

    // ---- samples
    // ----------------------------------------------------------------------------------

    bool bStandards(const json& root, CRunFile& run) {
        const json* pList = pField(root, "", "standards", false);
        if (pList == nullptr) {
            return true;
        }
        if (!bArray(*pList, "/standards")) {
            return false;
        }
        m_bStandardPoints = true;
        for (size_t s = 0; s < pList->size(); ++s) {
            const std::string where = "/standards/" + std::to_string(s);
            const json& entry = (*pList)[s];
            CStandardEntry standard;
            if (!bObject(entry, where) ||
                !bKnownFields(entry, where, {"name", "concentration", "readings"}) ||
                !bString(entry, where, "name", standard.m_sName, false) ||
                !bNumber(entry, where, "concentration", standard.m_dConc, true) ||
                !bPoints(entry, where, run, standard.m_vPoints)) {
                return false;
            }
            if (standard.m_dConc < 0.0) {
                return bFail(where + "/concentration", "a concentration cannot be negative");
            }
            run.m_vStandards.push_back(std::move(standard));
        }
        return true;
    }

    bool bUnknownNumber(const json& entry, const std::string& where, CUnknownEntry& unknown) {
        bool bBlank = false;
        if (!bBool(entry, where, "blank", bBlank) ||
            !bInt(entry, where, "sample_number", unknown.m_iSampleNo, 1, 999999, false)) {
            return false;
        }
        if (bBlank && entry.contains("sample_number")) {
            return bFail(where + "/sample_number", "a blank has no sample number");
        }
        if (bBlank) {
            unknown.m_iSampleNo = 0;
        } else if (!entry.contains("sample_number")) {
            unknown.m_iSampleNo = ++m_iLastSampleNo;
        }
        return true;
    }

    bool bAmounts(const json& entry, const std::string& where, CRunFile& run,
                  CUnknownEntry& unknown) {
        if (!bPositive(entry, where, "weight", unknown.m_dWeight) ||
            !bPositive(entry, where, "solvent", unknown.m_dSolvent) ||
            !bPositive(entry, where, "dilution", unknown.m_dDilution) ||
            !bPositive(entry, where, "revision", unknown.m_dRevision)) {
            return false;
        }
        for (const char* key : {"weight", "solvent", "dilution", "revision"}) {
            run.m_Settings.m_bAmountCorrection |= entry.contains(key);
        }
        return true;
    }

    bool bUnknowns(const json& root, CRunFile& run) {
        const json* pList = pField(root, "", "unknowns", true);
        if (pList == nullptr || !bArray(*pList, "/unknowns")) {
            return false;
        }
        m_bStandardPoints = false;
        for (size_t s = 0; s < pList->size(); ++s) {
            const std::string where = "/unknowns/" + std::to_string(s);
            const json& entry = (*pList)[s];
            CUnknownEntry unknown;
            if (!bObject(entry, where) ||
                !bKnownFields(entry, where,
                              {"name", "blank", "sample_number", "weight", "solvent", "dilution",
                               "revision", "readings"}) ||
                !bString(entry, where, "name", unknown.m_sName, false) ||
                !bUnknownNumber(entry, where, unknown) || !bAmounts(entry, where, run, unknown) ||
                !bPoints(entry, where, run, unknown.m_vPoints)) {
                return false;
            }
            run.m_vUnknowns.push_back(std::move(unknown));
        }
        return !run.m_vUnknowns.empty() || bFail("/unknowns", "a run needs at least one unknown");
    }

    // ---- instrument and validation -------------------------------------------------------------

    bool bCoded(const json& inst, const std::string& where, const char* key,
                const std::vector<std::string>& texts, const std::string& what, int& code) {
        return bChoice(inst, where, key, texts, what, code, false);
    }

    // A lamp or accessory setting that the listing shows only for instruments that have it.
    bool bAvailableCoded(const json& inst, const std::string& where, const char* key,
                         const std::vector<std::string>& texts, int& code, int iParamId,
                         CUVInstrParameters* pInst) {
        if (!bCoded(inst, where, key, texts, key, code)) {
            return false;
        }
        if (inst.contains(key)) {
            pInst->m_bParamAvailable[static_cast<size_t>(iParamId)] = 1;
        }
        return true;
    }

    bool bAutoZero(const json& inst, const std::string& where, CRunFile& run) {
        CMethodQuantParam* pQuant = run.m_Method.pGetQuantParam();
        CUVInstrParameters* pInst = run.m_Method.pGetInstrParam();
        bool bAutoZero = false;
        if (!bBool(inst, where, "auto_zero", bAutoZero) ||
            !bPositive(inst, where, "auto_zero_wavelength", pQuant->m_dZeroWL)) {
            return false;
        }
        pQuant->m_bZeroInst = bAutoZero ? 1 : 0;
        pInst->m_bParamAvailable[0] = inst.contains("auto_zero") ? 1 : 0;
        pInst->m_bParamAvailable[1] = inst.contains("auto_zero_wavelength") ? 1 : 0;
        return true;
    }

    bool bInstrument(const json& root, CRunFile& run) {
        const json* pInstJson = pField(root, "", "instrument", false);
        if (pInstJson == nullptr) {
            return true;
        }
        const json& inst = *pInstJson;
        const std::string where = "/instrument";
        CUVInstrParameters* pInst = run.m_Method.pGetInstrParam();
        return bObject(inst, where) &&
               bKnownFields(inst, where,
                            {"family", "data_mode", "delay", "slit", "slit_width", "scan_speed",
                             "lamp_change_wavelength", "baseline", "response", "d2_lamp", "wi_lamp",
                             "auto_zero", "auto_zero_wavelength", "wavelength_decimals",
                             "photometric_decimals"}) &&
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
               bAvailableCoded(inst, where, "d2_lamp", pInst->m_vsD2LampTexts, pInst->m_iD2Lamp, 2,
                               pInst) &&
               bAvailableCoded(inst, where, "wi_lamp", pInst->m_vsWILampTexts, pInst->m_iWILamp, 3,
                               pInst) &&
               bAutoZero(inst, where, run) &&
               bInt(inst, where, "wavelength_decimals", pInst->m_iWaveDecimals, 0, 4, false) &&
               bInt(inst, where, "photometric_decimals", pInst->m_iPhotoDecimals, 0, 8, false);
    }

    bool bRatedValues(const json& rated, const std::string& where, CRunFile& run,
                      CAccuracyCheck& check) {
        const auto waves = static_cast<size_t>(run.m_Method.pGetQuantParam()->m_iNumWave);
        if (!bArray(rated, where) ||
            !bCount(rated, where, run.m_vUnknowns.size(), "list", "rated values of each unknown")) {
            return false;
        }
        check.m_vvdRated.assign(rated.size(), std::vector<double>(waves, 0.0));
        for (size_t s = 0; s < rated.size(); ++s) {
            const std::string path = where + "/" + std::to_string(s);
            if (!bArray(rated[s], path) ||
                !bCount(rated[s], path, waves, "rated value", "one per wavelength")) {
                return false;
            }
            for (size_t w = 0; w < waves; ++w) {
                if (!bNumberValue(rated[s][w], path + "/" + std::to_string(w),
                                  check.m_vvdRated[s][w])) {
                    return false;
                }
            }
        }
        return true;
    }

    bool bValidation(const json& root, CRunFile& run) {
        const json* pValidation = pField(root, "", "validation", false);
        if (pValidation == nullptr) {
            return true;
        }
        const std::string where = "/validation";
        CAccuracyCheck check;
        int iKind = 0;
        if (!bObject(*pValidation, where) ||
            !bKnownFields(*pValidation, where, {"kind", "tolerance", "rated"}) ||
            !bChoice(*pValidation, where, "kind", {"photometric accuracy"}, "validation kind",
                     iKind, true) ||
            !bPositive(*pValidation, where, "tolerance", check.m_dTolerance)) {
            return false;
        }
        if (!pValidation->contains("tolerance")) {
            return bFail(where + "/tolerance", "missing field");
        }
        const json* pRated = pField(*pValidation, where, "rated", true);
        if (pRated == nullptr || !bRatedValues(*pRated, where + "/rated", run, check)) {
            return false;
        }
        run.m_Accuracy = std::move(check);
        return true;
    }

    // ---- the run as a whole
    // -----------------------------------------------------------------------

    bool bConsistent(const CRunFile& run) {
        const CAnalysisSettings& settings = run.m_Settings;
        const bool bCalibrates = !run.m_vStandards.empty() && settings.m_iCalibType != 0;
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
        if (settings.m_iCalibType == kSegmentedCalib && bCalibrates &&
            run.m_vStandards.size() < 2) {
            return bFail("/standards", "a segmented calibration needs at least 2 standards");
        }
        return true;
    }

    std::string m_sSource;
    std::filesystem::path m_spectrumDir;
    CRunError& m_error;
    int m_iReadingUnit = 0;          // 0 %T, 1 absorbance
    int m_iSpectrumPoints = 0;       // points of the first spectrum; 0 before it
    int m_iLastSampleNo = 0;         // number of the last unknown numbered by its position
    bool m_bStandardPoints = false;  // reading the points of standards (typed values allowed)
};

}  // namespace

bool CRunFile::bIsSpectral() const {
    const int iQuant = iQuantType();
    return iQuant >= 1 && iQuant <= 3;
}

bool bParseRunFile(const std::string& text, const std::string& sourceName,
                   const std::filesystem::path& spectrumDir, CRunFile& run, CRunError& error) {
    const json root = json::parse(text, nullptr, false);
    if (root.is_discarded()) {
        CSyntaxErrorFinder finder;
        json::sax_parse(text, &finder);
        error = {sourceName, "", "not valid JSON: " + finder.sProblem()};
        return false;
    }
    return CRunFileParser(sourceName, spectrumDir, error).bParse(root, run);
}

bool bReadRunFile(const std::filesystem::path& path, CRunFile& run, CRunError& error) {
    std::error_code code;
    if (!std::filesystem::exists(path, code)) {
        error = {path.string(), "", "cannot read the run file: no such file"};
        return false;
    }
    if (!std::filesystem::is_regular_file(path, code)) {
        error = {path.string(), "", "cannot read the run file: not a regular file"};
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = {path.string(), "", "cannot read the run file: it cannot be opened"};
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return bParseRunFile(text.str(), path.string(), path.parent_path(), run, error);
}

bool bReadBuiltinExample(CRunFile& run, CRunError& error) {
    return bParseRunFile(g_szBuiltinExample, "built-in example", {}, run, error);
}
