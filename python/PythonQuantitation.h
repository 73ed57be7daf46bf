#pragma once
// What the Python module's objects hold. The module computes nothing: standards and unknowns given
// as arrays become a run file in memory (the host program's own model of a quantitation), and the
// host program's runner measures, calibrates and calculates it exactly as the program runs a run
// file. A calibration and a quantitation keep their executed run and read every number from its
// documents, its statistics and the outcomes the program's reports are made of.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "PythonArguments.h"
#include "host/QuantitationRun.h"
#include "host/RunFile.h"
#include "host/SampleOutcome.h"

namespace photoquant::python {

// A run held for the objects that read it: the run file as it was given less its unknowns (a
// later quantitation starts from it with unknowns of its own), the file the run works on, the run,
// and what it made of the unknowns.
class CHeldRun {
public:
    explicit CHeldRun(CRunFile file);
    CHeldRun(const CHeldRun&) = delete;
    CHeldRun& operator=(const CHeldRun&) = delete;

    // Runs it; with the report's views when bWithReport. False, with the run's problem, when it
    // cannot be completed.
    bool bExecute(bool bWithReport, std::string& problem);

    const CRunFile& Given() const { return m_Given; }
    const CQuantitationRun& Run() const { return *m_pRun; }
    const CUnknownOutcomes& Outcomes() const { return m_Outcomes; }

private:
    CRunFile m_File;
    CRunFile m_Given;
    std::unique_ptr<CQuantitationRun> m_pRun;
    CUnknownOutcomes m_Outcomes;
};

// The settings of a calibration, by the run file's words.
struct CCalibrationSettings {
    std::string sReadingUnit = "Abs";
    std::string sCalibration = "1st order";
    bool bThroughZero = false;
    std::string sDirection = "concentration from reading";
    std::string sWeighting = "none";
    std::string sUnit;
    int iDecimals = 3;
};

// Standards of known concentration with their readings: the standards of a run file.
class CStandards {
public:
    CStandards(const py::object& concentrations, const py::object& readings,
               const py::object& wavelengths, const py::object& names,
               const CCalibrationSettings& settings);

    // The run of the standards alone: the curve, its statistics at the level, alpha and k given,
    // the outliers taken out when asked. Throws std::invalid_argument when they give no curve.
    std::shared_ptr<CHeldRun> Calibrate(double dConfidence, double dAlpha, double dK,
                                        bool bRemoveOutliers) const;
    const CRunFile& File() const { return m_File; }

private:
    CRunFile m_File;
};

// Unknown samples with their readings and amounts: the unknowns of a run file.
struct CUnknownsInput {
    py::object readings;
    std::string sReadingUnit = "Abs";
    py::object blanks;
    py::object weights;
    py::object solvents;
    py::object dilutions;
    py::object revisions;
    py::object names;
    int iStatisticsGroup = 1;
    py::object lowerLimit;
    py::object upperLimit;
};

class CUnknowns {
public:
    explicit CUnknowns(const CUnknownsInput& input);

    // The run of the calibration's standards with these unknowns. Throws std::invalid_argument
    // when the calibration's run cannot take them.
    std::shared_ptr<CHeldRun> Quantify(const CHeldRun& calibration) const;

private:
    // The unknowns of a run file, made when a quantitation needs them, straight into its file.
    std::vector<CUnknownEntry> Entries() const;

    int m_iReadingUnit = kAbsorbanceMode;
    CReadingBlock m_Readings;
    std::vector<int> m_viSampleNo;  // kBlankSampleNo for a blank, else counted from 1
    std::vector<double> m_vdWeight;
    std::vector<double> m_vdSolvent;
    std::vector<double> m_vdDilution;
    std::vector<double> m_vdRevision;
    std::vector<std::string> m_vsNames;
    bool m_bAmountCorrection = false;  // some weight, solvent, dilution or revision given
    int m_iStatisticsGroup = 1;
    std::optional<double> m_dLowerLimit;
    std::optional<double> m_dUpperLimit;
};

// A run file read and run as the program does (the built-in example for an empty path). Throws
// std::invalid_argument for a run file that cannot be read, std::runtime_error for a run that
// cannot be completed.
std::shared_ptr<CHeldRun> ProgramRun(const std::string& path);

}  // namespace photoquant::python
