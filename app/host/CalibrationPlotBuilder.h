#pragma once
// The plots of a run's calibration, drawn from what was measured: the standards' readings, the
// curve, the unknowns at their used readings, and the residuals of the standards.
#include "host/QuantitationRun.h"
#include "host/Report.h"
#include "host/SampleOutcome.h"

CCalibrationPlot CalibrationPlot(const CQuantitationRun& run, const CUnknownOutcomes& outcomes);
CResidualPlot ResidualPlot(const CQuantitationRun& run, const CCalibrationPlot& plot);
// What the calibration's reading axis holds, with its unit: "Abs (blank corrected)",
// "peak area (Abs·nm)", "2nd derivative (Abs/step², step 1.0 nm)".
std::string sReadingAxisLabel(const CQuantitationRun& run, bool bBlankCorrected);
// What a reading is called in the calibration's equation: "Abs", "Abs corr", "area", "D2".
std::string sReadingSymbol(const CQuantitationRun& run);
// The unit of a reading: "Abs", "Abs·nm" (peak area), "Abs/step²" (2nd derivative).
std::string sReadingUnit(const CQuantitationRun& run);
