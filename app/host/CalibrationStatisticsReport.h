#pragma once
// The calibration statistics as the report shows them (statistics/CalibrationStatistics.h holds
// the formulas): a "Calibration statistics" section after the calibration, with the fit's scatter,
// the coefficients with their intervals, the tests of the model in words, the limits of detection
// and quantification by both methods, the flagged and the removed points; each sample's result
// with its interval; and the figures as one table for machines.
#include <map>
#include <string>

#include "host/ReportSections.h"

// The weighting as the report names it: "none", "1/x", "1/x²", "1/y", "1/y²", "1/s²".
std::string sWeightingName(int iWeighting);
// How the curve was fitted: "least squares", or "weighted least squares (1/x²)".
std::string sLeastSquaresWords(int iWeighting);

// A standard's point as the report names it: "5 Fe 8, replicate 3".
std::string sStandardPointLabel(const CUVStandardData& standards, int iPoint);
// The standards' points that the calibration statistics flag, by point, with what flags each
// ("studentised residual", "Cook's distance", Grubbs' test among the standard's replicates).
std::map<int, std::string> FlaggedStandardPoints(
    const photoquant::CCalibrationStatistics& statistics);

// "2.527 ± 0.025 mg/L (95 %)": the half width of the sample's interval to two significant digits
// and its result (the concentration of its mean reading) to the same last decimal; empty where the
// sample has no interval.
std::string sResultWithInterval(const CReportInput& in, const CSampleOutcome& sample);

// The section, present in every report: where the run has no statistics it says why.
CReportSection CalibrationStatisticsSection(const CReportInput& in);

// calibration-statistics: one figure per row (name, value, unit, method); only when the
// statistics of a polynomial calibration are there.
bool bCalibrationStatisticsTable(const CQuantitationRun& run, CNamedList& table);
