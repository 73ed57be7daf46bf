#pragma once
// The sections of a run file, read in the file's order: the method (quantitation, calibration,
// reporting, result, manual calibration, path length, peak, derivative, stage), the reading unit,
// the instrument, the standards and unknowns with their points, and the validation; last, the
// checks of the run as a whole. Each section reads its fields through the typed value readers and
// writes what it read into the run file's method and settings; the first fault stops the reading.
//   RunFileSectionReader.cpp             the file as a whole, the consistency of the run
//   RunFileSectionReader_Method.cpp      the method
//   RunFileSectionReader_Samples.cpp     readings, spectra, standards and unknowns
//   RunFileSectionReader_Instrument.cpp  the instrument
//   RunFileSectionReader_Validation.cpp  the validation
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/RunFile.h"
#include "host/RunFileValueReader.h"

class CRunFileSectionReader : public CRunFileValueReader {
public:
    // sSource names the run file in messages; spectrumDir holds its spectrum files.
    CRunFileSectionReader(const std::string& sSource, const std::filesystem::path& spectrumDir,
                          CRunError& error);

    // Reads the whole run file; false, with the first fault in error, when it cannot be run.
    bool bParse(const json& root, CRunFile& run);

private:
    // the method
    bool bMethod(const json& root, CRunFile& run);
    bool bQuantitation(const json& method, const std::string& where, CRunFile& run);
    bool bWavelengths(const json& waves, const std::string& where, CRunFile& run);
    bool bCalibration(const json& method, const std::string& where, CRunFile& run);
    bool bCalibrationStatistics(const json& method, const std::string& where, CRunFile& run);
    bool bReporting(const json& method, const std::string& where, CRunFile& run);
    bool bLimits(const json& method, const std::string& where, CRunFile& run);
    bool bResult(const json& method, const std::string& where, CRunFile& run);
    bool bManualCalibration(const json& method, const std::string& where, CRunFile& run);
    bool bPath(const json& method, const std::string& where, CRunFile& run);
    bool bPeak(const json& method, const std::string& where, CRunFile& run);
    bool bDerivative(const json& method, const std::string& where, CRunFile& run);
    bool bStage(const json& method, const std::string& where, CRunFile& run);

    // readings and samples
    bool bReadingUnit(const json& root, CRunFile& run);
    bool bReadings(const json& list, const std::string& where, const CRunFile& run,
                   CPointEntry& point);
    bool bSpectrumLocation(const std::string& name, const std::string& where,
                           std::filesystem::path& real);
    bool bSpectrumPoint(const json& value, const std::string& where, CRunFile& run,
                        CPointEntry& point);
    bool bSameScan(const CSpectrum& spectrum, const std::string& where, const std::string& name,
                   CRunFile& run);
    bool bPoint(const json& value, const std::string& where, CRunFile& run, CPointEntry& point);
    bool bPoints(const json& sample, const std::string& where, CRunFile& run,
                 std::vector<CPointEntry>& points);
    bool bStandards(const json& root, CRunFile& run);
    bool bUnknownNumber(const json& entry, const std::string& where, CUnknownEntry& unknown);
    bool bAmounts(const json& entry, const std::string& where, CRunFile& run,
                  CUnknownEntry& unknown);
    bool bUnknowns(const json& root, CRunFile& run);

    // the instrument
    bool bCoded(const json& inst, const std::string& where, const char* key,
                const std::vector<std::string>& texts, const std::string& what, int& code);
    bool bAvailableCoded(const json& inst, const std::string& where, const char* key,
                         const std::vector<std::string>& texts, int& code, int iParamId,
                         CUVInstrParameters* pInst);
    bool bAutoZero(const json& inst, const std::string& where, CRunFile& run);
    bool bInstrument(const json& root, CRunFile& run);

    // the validation
    bool bRatedValues(const json& rated, const std::string& where, CRunFile& run,
                      CAccuracyCheck& check);
    bool bValidation(const json& root, CRunFile& run);

    // the run as a whole
    bool bConsistent(const CRunFile& run);

    std::string m_sSource;
    std::filesystem::path m_spectrumDir;
    int m_iReadingUnit = photoquant::kTransmittanceMode;  // the words are the data modes' order
    int m_iSpectrumPoints = 0;       // points of the first spectrum; 0 before it
    int m_iLastSampleNo = 0;         // number of the last unknown numbered by its position
    bool m_bStandardPoints = false;  // reading the points of standards (typed values allowed)
    // Spectra read so far by their real location: each file is read once.
    std::map<std::filesystem::path, std::shared_ptr<const CSpectrum>> m_Spectra;
};
