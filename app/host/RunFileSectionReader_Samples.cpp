#include <algorithm>
#include <cmath>
#include <memory>

#include "host/MessageText.h"
#include "host/RunFileSectionReader.h"
#include "host/SettingNames.h"
#include "host/SpectrumCsv.h"

using namespace photoquant;

const std::vector<std::string> kReadingUnitNames = {"%T", "Abs"};

double dTransmittanceOf(double reading, int iReadingUnit) {
    return iReadingUnit == kAbsorbanceMode ? std::pow(10.0, -reading) : reading / 100.0;
}

bool CRunFileSectionReader::bReadingUnit(const json& root, CRunFile& run) {
    const bool bTakesReadings = !run.bIsSpectral();
    return bChoice(root, "", "reading_unit", kReadingUnitNames, "reading unit", m_iReadingUnit,
                   bTakesReadings);
}

bool CRunFileSectionReader::bReadings(const json& list, const std::string& where,
                                      const CRunFile& run, CPointEntry& point) {
    const auto count = static_cast<size_t>(run.m_Method.pGetQuantParam()->m_iNumWave);
    if (!bCount(list, where, count, "reading", "one per wavelength")) {
        return false;
    }
    point.m_eKind = CPointEntry::EKind::kMeasured;
    point.m_vdTransmittance.resize(count);
    for (size_t k = 0; k < count; ++k) {
        if (!bReading(list[k], where + "/" + std::to_string(k), m_iReadingUnit,
                      point.m_vdTransmittance[k])) {
            return false;
        }
    }
    return true;
}

// A spectrum file lies in the run file's folder or below it: its name is relative, and its real
// location, links resolved, is inside that folder. A run file handed on by someone else can thus
// read no file of the user's but those it came with.
bool CRunFileSectionReader::bSpectrumLocation(const std::string& name, const std::string& where,
                                              std::filesystem::path& real) {
    namespace fs = std::filesystem;
    const fs::path given(name);
    if (name.empty() || given.is_absolute()) {
        const std::string expected =
            "expected a spectrum file name relative to the run file's folder, found ";
        return bFail(where, expected + sDescribe(name));
    }
    std::error_code folderCode;
    std::error_code fileCode;
    const fs::path folder = fs::canonical(m_spectrumDir.empty() ? "." : m_spectrumDir, folderCode);
    real = fs::canonical(folder / given, fileCode);
    if (folderCode || fileCode || !fs::is_regular_file(real, fileCode)) {
        return bFail(where, "spectrum file not found: " + (m_spectrumDir / given).string());
    }
    if (std::mismatch(folder.begin(), folder.end(), real.begin(), real.end()).first !=
        folder.end()) {
        return bFail(where, "the spectrum file " + sQuoted(name) +
                                " lies outside the run file's folder (links resolved)");
    }
    return true;
}

bool CRunFileSectionReader::bSpectrumPoint(const json& value, const std::string& where,
                                           CRunFile& run, CPointEntry& point) {
    const std::string name = value.get<std::string>();
    std::filesystem::path real;
    if (!bSpectrumLocation(name, where, real)) {
        return false;
    }
    const std::string shownName = (m_spectrumDir / name).string();
    auto& pSpectrum = m_Spectra[real];
    if (!pSpectrum) {
        auto pRead = std::make_shared<CSpectrum>();
        std::string sha256;
        if (!bReadSpectrumCsv(real, shownName, *pRead, sha256, Error())) {
            m_Spectra.erase(real);
            return false;
        }
        pSpectrum = std::move(pRead);
        run.m_vInputs.push_back({name, sha256, real});
    }
    point.m_eKind = CPointEntry::EKind::kSpectrum;
    point.m_pSpectrum = pSpectrum;
    return bSameScan(*pSpectrum, where, shownName, run);
}

// The document stores every spectrum in the same space, and the derivative is read at an index
// of the scan: all spectra of a run share the first one's wavelengths.
bool CRunFileSectionReader::bSameScan(const CSpectrum& spectrum, const std::string& where,
                                      const std::string& name, CRunFile& run) {
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

bool CRunFileSectionReader::bPoint(const json& value, const std::string& where, CRunFile& run,
                                   CPointEntry& point) {
    if (value.is_null()) {
        point.m_eKind = CPointEntry::EKind::kSkipped;
        return true;
    }
    if (value.is_object()) {
        if (!m_bStandardPoints) {
            return bFail(where, "typed-in values are taken for standards only");
        }
        point.m_eKind = CPointEntry::EKind::kManual;
        return bKnownFields(value, where, "/standards/*/readings/*") &&
               bNumber(value, where, "manual", point.m_dManualValue, true);
    }
    if (run.bIsSpectral()) {
        return value.is_string() ? bSpectrumPoint(value, where, run, point)
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
bool CRunFileSectionReader::bPoints(const json& sample, const std::string& where, CRunFile& run,
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

bool CRunFileSectionReader::bStandards(const json& root, CRunFile& run) {
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
        if (!bObject(entry, where) || !bKnownFields(entry, where, "/standards/*") ||
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

bool CRunFileSectionReader::bUnknownNumber(const json& entry, const std::string& where,
                                           CUnknownEntry& unknown) {
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

bool CRunFileSectionReader::bAmounts(const json& entry, const std::string& where, CRunFile& run,
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

bool CRunFileSectionReader::bUnknowns(const json& root, CRunFile& run) {
    const json* pList = pField(root, "", "unknowns", true);
    if (pList == nullptr || !bArray(*pList, "/unknowns")) {
        return false;
    }
    m_bStandardPoints = false;
    for (size_t s = 0; s < pList->size(); ++s) {
        const std::string where = "/unknowns/" + std::to_string(s);
        const json& entry = (*pList)[s];
        CUnknownEntry unknown;
        if (!bObject(entry, where) || !bKnownFields(entry, where, "/unknowns/*") ||
            !bString(entry, where, "name", unknown.m_sName, false) ||
            !bUnknownNumber(entry, where, unknown) || !bAmounts(entry, where, run, unknown) ||
            !bPoints(entry, where, run, unknown.m_vPoints)) {
            return false;
        }
        run.m_vUnknowns.push_back(std::move(unknown));
    }
    return !run.m_vUnknowns.empty() || bFail("/unknowns", "a run needs at least one unknown");
}
