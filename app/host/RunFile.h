#pragma once
// A run file: one photometric quantitation as the host program runs it, from the method to the last
// reading. The file is JSON; spectra of peak and derivative analyses are CSV files beside it
// (wavelength, absorbance per line). Reading a run file checks everything a run relies on, so that
// a run that starts has what it needs: counts that agree (readings per point and wavelengths,
// points per sample and replicates or stage positions), known names for every coded setting,
// numbers where numbers belong, readings a photometer can give, every field once, spectra that
// exist beside the run file and are equally spaced. The first problem found is reported with the
// file, the place in it and what is wrong; nothing is read past it.
//
// Readings are kept as the documents store them: transmittance fractions (1.0 = 100 %T), converted
// from the file's %T (T = %T / 100) or absorbance (T = 10^-A).
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/RunError.h"
#include "photoquant.h"

// A spectrum as the instrument scans it: equally spaced, highest wavelength first.
struct CSpectrum {
    double m_dStartWL = 0.0;         // wavelength of the first value (nm)
    double m_dInterval = 0.0;        // step down to the next value (nm)
    std::vector<double> m_vdValues;  // absorbance at m_dStartWL - i * m_dInterval
};

// One point of a sample: a replicate, or a position of the XY stage.
struct CPointEntry {
    enum class EKind { kSkipped, kMeasured, kSpectrum, kManual };
    EKind m_eKind = EKind::kSkipped;
    std::vector<double> m_vdTransmittance;  // kMeasured: one reading per wavelength
    // kSpectrum: points that name the same file share its one reading of it.
    std::shared_ptr<const CSpectrum> m_pSpectrum;
    double m_dManualValue = 0.0;  // kManual: a typed absorbance, or the peak or derivative value
};

struct CStandardEntry {
    std::string m_sName;
    double m_dConc = 0.0;
    std::vector<CPointEntry> m_vPoints;
};

struct CUnknownEntry {
    std::string m_sName;
    int m_iSampleNo = 1;  // 0 marks a blank
    // Amount correction: result = solvent / weight * c * dilution * revision.
    double m_dWeight = 1.0;
    double m_dSolvent = 1.0;
    double m_dDilution = 1.0;
    double m_dRevision = 1.0;
    std::vector<CPointEntry> m_vPoints;
};

// The settings of the documents that the method object does not carry.
struct CAnalysisSettings {
    int m_iCalibType = 1;  // 1 to 3 polynomial order, 4 segmented, 0 none
    int m_bForceZero = 0;
    std::optional<int> m_iDirection;             // absent: the calibration option of the profile
    int m_iWeighting = photoquant::kWeightNone;  // of a polynomial calibration's points
    // Level, alpha and k of the calibration statistics; their replicates m are the method's.
    photoquant::CStatisticsSettings m_Statistics;
    // Calibration points that the outlier tests flag are taken out and the curve fitted again.
    bool m_bRemoveOutliers = false;
    int m_iResultType = 1;  // 0 readings only, 1 concentration, 2 ratio
    std::array<double, 3> m_dKFactor = {1.0, 1.0, 1.0};
    int m_iRatioOperand = 2;  // 0 plus, 1 minus, 2 times
    bool m_bManualCalib = false;
    int m_iManualOrder = 1;
    std::array<double, 4> m_dManualCoeff = {0.0, 1.0, 0.0, 0.0};
    bool m_bAmountCorrection = false;  // some unknown gives a weight, solvent, dilution or revision
    double m_dPeakApex = 450.0;
    double m_dPeakRange = 1.0;
    double m_dThreshold = 0.01;
    int m_iSensitivity = 0;
    int m_iIntegMethod = 0;  // 0 rectangular, 1 trapezoid, 2 Romberg
    double m_dDerivWL = 450.0;
    int m_iDerivOrder = 2;
    int m_iDerivSmoothOrder = 3;
    int m_iDerivWindow = 7;
    int m_iStageCalcUnit = 0;  // stage statistics: 0 per sample, 1 over all samples
    // Limits the run file gives; one it leaves out is the standards' range when there are some.
    bool m_bLowerLimitGiven = false;
    bool m_bUpperLimitGiven = false;
};

// A photometric accuracy check: every unknown is a certified standard read at every method
// wavelength; its reading passes when |reading - rated| <= tolerance.
struct CAccuracyCheck {
    double m_dTolerance = 0.0;
    std::vector<std::vector<double>> m_vvdRated;  // [standard][wavelength], absorbance
};

// A file the run read, for the audit trail and so that no output of the run replaces it.
struct CInputFile {
    std::string m_sName;
    std::string m_sSha256;         // lower-case hex digest of the bytes read
    std::filesystem::path m_Path;  // where it lies, links resolved; empty for the built-in text
};

// A setting as the run file gave it: its name in the file ("method.limits.lower") and its value.
using CGivenField = std::pair<std::string, std::string>;

struct CRunFile {
    std::string m_sTitle;
    std::string m_sSource;  // the run file as the user named it
    std::string m_sOperator;
    // The run file, then each spectrum file once, however many points name it.
    std::vector<CInputFile> m_vInputs;
    std::vector<CGivenField> m_vGivenFields;       // settings given, in the file's order
    std::vector<CGivenField> m_vInstrumentFields;  // instrument fields given
    // The parameter library hands out its objects through non-const getters only.
    mutable CUVMethod m_Method;
    CAnalysisSettings m_Settings;
    std::vector<CStandardEntry> m_vStandards;
    std::vector<CUnknownEntry> m_vUnknowns;
    std::optional<CAccuracyCheck> m_Accuracy;

    bool bIsSpectral() const;
    int iQuantType() const { return m_Method.pGetQuantParam()->m_iQuantType; }
    bool bHasStage() const { return m_Method.pGetXYStageParam()->iGetCoordNum() > 0; }
};

// The transmittance fraction of a reading in %T (kTransmittanceMode: T = %T / 100) or absorbance
// (kAbsorbanceMode: T = 10^-A), the form the documents store.
double dTransmittanceOf(double reading, int iReadingUnit);

// Reads the run file at path. Spectrum files are named relative to the run file's folder and must
// lie inside it, links resolved: a run file cannot make the program read a file elsewhere.
bool bReadRunFile(const std::filesystem::path& path, CRunFile& run, CRunError& error);
// Reads run-file text; sourceName names it in messages, spectrumDir holds its spectrum files.
bool bParseRunFile(const std::string& text, const std::string& sourceName,
                   const std::filesystem::path& spectrumDir, CRunFile& run, CRunError& error);
// The example compiled into the program: iron(II) with 1,10-phenanthroline at 510 nm.
bool bReadBuiltinExample(CRunFile& run, CRunError& error);
