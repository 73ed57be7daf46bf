#include "PythonQuantitation.h"

#include <cmath>
#include <stdexcept>

#include "host/SettingNames.h"

namespace photoquant::python {

namespace {

// Decimals of a concentration a run file may ask for.
constexpr int kMaxConcDecimals = 10;
// Samples a statistics group may pool, as in a run file.
constexpr int kMaxStatisticsGroup = 1000;

std::optional<double> OptionalLimit(const py::object& value, const char* name) {
    if (value.is_none()) {
        return std::nullopt;
    }
    double limit = 0.0;
    try {
        limit = value.cast<double>();
    } catch (const py::cast_error&) {
        vRefuse(name, "expected a concentration, found " + py::repr(value).cast<std::string>());
    }
    if (!std::isfinite(limit)) {
        vRefuse(name, "expected a finite concentration, found " + sGeneral(limit, 6));
    }
    return limit;
}

// Points of readings as a run file holds them: skipped where NaN, else transmittances.
std::vector<CPointEntry> PointEntries(const CReadingBlock& block, int iSample, int iReadingUnit) {
    std::vector<CPointEntry> points(static_cast<size_t>(block.iReplicates));
    for (int r = 0; r < block.iReplicates; ++r) {
        const double* pdReadings = block.pdPoint(iSample, r);
        if (std::isnan(pdReadings[0])) {
            continue;  // skipped
        }
        CPointEntry& point = points[static_cast<size_t>(r)];
        point.m_eKind = CPointEntry::EKind::kMeasured;
        for (int k = 0; k < block.iWaves; ++k) {
            point.m_vdTransmittance.push_back(dTransmittanceOf(pdReadings[k], iReadingUnit));
        }
    }
    return points;
}

}  // namespace

// ---- held runs ----------------------------------------------------------------------------------

CHeldRun::CHeldRun(CRunFile file) : m_File(std::move(file)) {
    std::vector<CUnknownEntry> unknowns = std::move(m_File.m_vUnknowns);
    m_Given = m_File;
    m_File.m_vUnknowns = std::move(unknowns);
}

bool CHeldRun::bExecute(bool bWithReport, std::string& problem) {
    m_pRun = std::make_unique<CQuantitationRun>(m_File);
    const bool bDone = bWithReport ? m_pRun->bExecute(problem) : m_pRun->bCompute(problem);
    if (bDone) {
        m_Outcomes = UnknownOutcomes(*m_pRun);
    }
    return bDone;
}

std::shared_ptr<CHeldRun> ProgramRun(const std::string& path) {
    CRunFile file;
    CRunError error;
    const bool bRead =
        path.empty() ? bReadBuiltinExample(file, error) : bReadRunFile(path, file, error);
    if (!bRead) {
        throw std::invalid_argument(error.sMessage());
    }
    auto held = std::make_shared<CHeldRun>(std::move(file));
    std::string problem;
    if (!held->bExecute(true, problem)) {
        throw std::runtime_error(problem);
    }
    return held;
}

// ---- standards ----------------------------------------------------------------------------------

CStandards::CStandards(const py::object& concentrations, const py::object& readings,
                       const py::object& wavelengths, const py::object& names,
                       const CCalibrationSettings& settings) {
    const int iReadingUnit = iChoice(settings.sReadingUnit, "reading_unit", kReadingUnitNames);
    const CReadingBlock block = ReadingBlock(readings, "readings", iReadingUnit);
    if (concentrations.is_none()) {
        vRefuse("concentrations", "expected one concentration per standard, found None");
    }
    const std::vector<double> conc =
        PerSample(concentrations, "concentrations", block.iSamples, 0.0, false);
    const std::vector<std::string> sampleNames = SampleNames(names, "names", block.iSamples);
    CMethodQuantParam* pQuant = m_File.m_Method.pGetQuantParam();
    pQuant->m_iQuantType = kWavelengthQuant;
    pQuant->m_iNumRep = block.iReplicates;
    pQuant->m_iNumWave = block.iWaves;
    if (!wavelengths.is_none()) {
        const std::vector<double> waves = Numbers(wavelengths, "wavelengths");
        if (waves.size() != static_cast<size_t>(block.iWaves)) {
            vRefuse("wavelengths", "expected one wavelength per reading of a point (" +
                                       std::to_string(block.iWaves) + "), found " +
                                       std::to_string(waves.size()));
        }
        for (size_t k = 0; k < waves.size(); ++k) {
            pQuant->m_dWave[k] = dPositive(waves[k], "wavelengths");
        }
    } else if (block.iWaves > 1) {
        vRefuse("wavelengths", "readings at " + std::to_string(block.iWaves) +
                                   " wavelengths need the wavelengths they were read at");
    }
    pQuant->m_sConcUnit = settings.sUnit;
    if (settings.iDecimals < 0 || settings.iDecimals > kMaxConcDecimals) {
        vRefuse("decimals",
                "expected 0 to 10 decimals, found " + std::to_string(settings.iDecimals));
    }
    pQuant->m_iConcDecimals = settings.iDecimals;
    pQuant->m_bStatisticalMode = 1;
    CAnalysisSettings& analysis = m_File.m_Settings;
    analysis.m_iCalibType = iChoice(settings.sCalibration, "calibration", kCalibNames);
    if (analysis.m_iCalibType == kNoCalib) {
        vRefuse("calibration", "standards are calibrated: \"none\" gives no curve");
    }
    analysis.m_bForceZero = settings.bThroughZero ? 1 : 0;
    analysis.m_iDirection = iChoice(settings.sDirection, "direction", kDirectionNames);
    analysis.m_iWeighting = iChoice(settings.sWeighting, "weighting", kWeightingNames);
    if (analysis.m_iWeighting != kWeightNone && !bIsPolynomialCalib(analysis.m_iCalibType)) {
        vRefuse("weighting", "a weighting applies to a polynomial calibration only");
    }
    analysis.m_iResultType = kConcResult;
    m_File.m_sTitle = "Calibration";
    m_File.m_sSource = "standards";
    for (int s = 0; s < block.iSamples; ++s) {
        const double dConc = conc[static_cast<size_t>(s)];
        if (dConc < 0.0) {
            vRefuse("concentrations", "entry " + std::to_string(s) + " is " + sGeneral(dConc, 6) +
                                          ": a concentration cannot be negative");
        }
        m_File.m_vStandards.push_back(
            {sampleNames[static_cast<size_t>(s)], dConc, PointEntries(block, s, iReadingUnit)});
    }
}

std::shared_ptr<CHeldRun> CStandards::Calibrate(double dConfidence, double dAlpha, double dK,
                                                bool bRemoveOutliers) const {
    CRunFile file = m_File;
    file.m_Settings.m_Statistics.dConfidence = dFraction(dConfidence, "confidence");
    file.m_Settings.m_Statistics.dAlpha = dFraction(dAlpha, "alpha");
    file.m_Settings.m_Statistics.dK = dPositive(dK, "k");
    file.m_Settings.m_bRemoveOutliers = bRemoveOutliers;
    auto held = std::make_shared<CHeldRun>(std::move(file));
    std::string problem;
    if (!held->bExecute(false, problem)) {
        throw std::invalid_argument(problem);
    }
    return held;
}

// ---- unknowns -----------------------------------------------------------------------------------

CUnknowns::CUnknowns(const CUnknownsInput& input) {
    m_iReadingUnit = iChoice(input.sReadingUnit, "reading_unit", kReadingUnitNames);
    m_Readings = ReadingBlock(input.readings, "readings", m_iReadingUnit);
    const int S = m_Readings.iSamples;
    const std::vector<bool> blanks = SampleFlags(input.blanks, "blanks", S);
    m_vdWeight = PerSample(input.weights, "weights", S, 1.0, true);
    m_vdSolvent = PerSample(input.solvents, "solvents", S, 1.0, true);
    m_vdDilution = PerSample(input.dilutions, "dilutions", S, 1.0, true);
    m_vdRevision = PerSample(input.revisions, "revisions", S, 1.0, true);
    m_vsNames = SampleNames(input.names, "names", S);
    m_bAmountCorrection = !input.weights.is_none() || !input.solvents.is_none() ||
                          !input.dilutions.is_none() || !input.revisions.is_none();
    if (input.iStatisticsGroup < 1 || input.iStatisticsGroup > kMaxStatisticsGroup) {
        vRefuse("statistics_group", "expected 1 to 1000 samples a group, found " +
                                        std::to_string(input.iStatisticsGroup));
    }
    m_iStatisticsGroup = input.iStatisticsGroup;
    m_dLowerLimit = OptionalLimit(input.lowerLimit, "lower_limit");
    m_dUpperLimit = OptionalLimit(input.upperLimit, "upper_limit");
    if (m_dLowerLimit && m_dUpperLimit && *m_dLowerLimit > *m_dUpperLimit) {
        vRefuse("lower_limit", "the lower limit lies above the upper limit");
    }
    int iLastSampleNo = 0;
    for (const bool bBlank : blanks) {
        m_viSampleNo.push_back(bBlank ? kBlankSampleNo : ++iLastSampleNo);
    }
}

std::vector<CUnknownEntry> CUnknowns::Entries() const {
    std::vector<CUnknownEntry> entries(static_cast<size_t>(m_Readings.iSamples));
    for (size_t i = 0; i < entries.size(); ++i) {
        CUnknownEntry& entry = entries[i];
        entry.m_sName = m_vsNames[i];
        entry.m_iSampleNo = m_viSampleNo[i];
        entry.m_dWeight = m_vdWeight[i];
        entry.m_dSolvent = m_vdSolvent[i];
        entry.m_dDilution = m_vdDilution[i];
        entry.m_dRevision = m_vdRevision[i];
        entry.m_vPoints = PointEntries(m_Readings, static_cast<int>(i), m_iReadingUnit);
    }
    return entries;
}

std::shared_ptr<CHeldRun> CUnknowns::Quantify(const CHeldRun& calibration) const {
    CRunFile file = calibration.Given();
    CMethodQuantParam* pQuant = file.m_Method.pGetQuantParam();
    const CAnalysisSettings& given = file.m_Settings;
    if (file.iQuantType() != kWavelengthQuant || file.bHasStage() ||
        given.m_iResultType != kConcResult || given.m_bManualCalib) {
        vRefuse("calibration",
                "unknowns given as readings take the concentrations of a "
                "wavelength quantitation's standards");
    }
    if (pQuant->m_iNumRep != m_Readings.iReplicates || pQuant->m_iNumWave != m_Readings.iWaves) {
        vRefuse("readings",
                "the unknowns are read as the standards are: " + std::to_string(pQuant->m_iNumRep) +
                    " replicates at " + std::to_string(pQuant->m_iNumWave) +
                    " wavelengths, found " + std::to_string(m_Readings.iReplicates) + " at " +
                    std::to_string(m_Readings.iWaves));
    }
    file.m_vUnknowns = Entries();
    file.m_Accuracy.reset();
    file.m_Settings.m_bAmountCorrection = m_bAmountCorrection;
    pQuant->m_iStatisticsNum = m_iStatisticsGroup;
    pQuant->m_bStatisticalMode = 1;
    if (m_dLowerLimit) {
        pQuant->m_dLoLimit = *m_dLowerLimit;
        file.m_Settings.m_bLowerLimitGiven = true;
    }
    if (m_dUpperLimit) {
        pQuant->m_dHiLimit = *m_dUpperLimit;
        file.m_Settings.m_bUpperLimitGiven = true;
    }
    auto held = std::make_shared<CHeldRun>(std::move(file));
    std::string problem;
    if (!held->bExecute(false, problem)) {
        throw std::invalid_argument(problem);
    }
    return held;
}

}  // namespace photoquant::python
