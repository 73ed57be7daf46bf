#include "host/CalibrationStatisticsReport.h"

#include <cmath>
#include <map>

#include "host/CalibrationPlotBuilder.h"
#include "host/ReportNumbers.h"

using namespace photoquant;

namespace {

// Grubbs' statistic and its critical value lie close together near the limit: table precision.
constexpr int kGrubbsDecimals = 4;

std::string sPercent(double fraction) {
    return UVDATASTR(fraction * 100.0) + " %";
}

// The unit of the fit's response: the reading's when the curve gives the reading, the
// concentration's when it gives the concentration.
std::string sResponseUnit(const CReportInput& in, const CCalibrationStatistics& statistics) {
    return statistics.iGetDirection() == kReadingFromConc ? sReadingUnit(in.m_run)
                                                          : in.m_run.Unknowns().GetConcUnit();
}

CTableBlock NoteBlock(std::string note) {
    CTableBlock block;
    block.m_vsNotes.push_back(std::move(note));
    return block;
}

std::string sWithUnit(const std::string& what, const std::string& unit) {
    return unit.empty() ? what : what + " (" + unit + ")";
}

std::string sGrubbsWords(const CGrubbsResult& grubbs) {
    return "Grubbs among " + std::to_string(grubbs.iCount) +
           " replicates (G = " + sFixed(grubbs.dStatistic, kGrubbsDecimals) + " > " +
           sFixed(grubbs.dCritical, kGrubbsDecimals) + ")";
}

// ---- the fit -----------------------------------------------------------------------------------

std::string sWeightingWords(const CCalibrationStatistics& statistics) {
    if (statistics.iGetWeighting() == kWeightNone) {
        return "none: every point counts equally";
    }
    return sWeightingName(statistics.iGetWeighting()) +
           ", weights normalised to sum to n = " + std::to_string(statistics.iGetNumPoints());
}

// "F = 0.624 below F(0.95; 3, 10) = 3.71, p = 0.61".
std::string sFTest(const CModelTest& test, const char* symbol, double level) {
    const bool bAbove = test.iVerdict == kTestFailed;
    return std::string(symbol) + " = " + sSignificant(test.dStatistic, kTestDigits) +
           (bAbove ? " above" : " below") + " F(" + UVDATASTR(level) + "; " +
           std::to_string(test.iDf1) + ", " + std::to_string(test.iDf2) +
           ") = " + sSignificant(test.dCritical, kTestDigits) + ", p = " + sPValue(test.dPValue);
}

std::string sLackOfFitWords(const CCalibrationStatistics& statistics) {
    const CModelTest& test = statistics.GetLackOfFit();
    const double level = 1.0 - statistics.GetSettings().dAlpha;
    switch (test.iVerdict) {
        case kTestPassed:
            return "none shown: " + sFTest(test, "F", level);
        case kTestFailed:
            return "significant: the curve misses the standards by more than their replicates "
                   "scatter (" +
                   sFTest(test, "F", level) + ")";
        default:
            return "not tested: it needs replicates of a standard and more standards than "
                   "coefficients";
    }
}

std::string sMandelWords(const CCalibrationStatistics& statistics) {
    const CModelTest& test = statistics.GetMandel();
    switch (test.iVerdict) {
        case kTestPassed:
            return "a straight line suffices (" + sFTest(test, "TV", 0.99) + ")";
        case kTestFailed:
            return "the data bend: consider order 2 (" + sFTest(test, "TV", 0.99) + ")";
        default:
            return "not tested: it needs more points than a curve of order 2 has coefficients";
    }
}

CTableBlock FitBlock(const CReportInput& in, const CCalibrationStatistics& statistics) {
    const CCalibSegment& curve = *in.m_run.Standards().pGetCalibList()->GetAt(0);
    const std::string unit = in.m_run.Unknowns().GetConcUnit();
    std::vector<std::vector<std::string>> rows = {
        {"Curve", sEquation(curve, sReadingSymbol(in.m_run)) + ", c in " + unit + " (" +
                      sDirectionWords(statistics.iGetDirection()) + ")"},
        {"Weighting", sWeightingWords(statistics)},
        {"Residual SD s_y/x", sSignificant(statistics.dGetResidualSD(), kSpreadDigits) + " " +
                                  sResponseUnit(in, statistics) + ", " +
                                  std::to_string(statistics.iGetDegreesOfFreedom()) +
                                  " degrees of freedom (" +
                                  std::to_string(statistics.iGetNumPoints()) + " points, " +
                                  std::to_string(statistics.iGetNumParams()) + " coefficients)"},
        {"R\u00b2", sNearOne(statistics.dGetRSquared())},
        {"Adjusted R\u00b2", sNearOne(statistics.dGetAdjustedRSquared())},
        {"Lack of fit", sLackOfFitWords(statistics)}};
    if (statistics.iGetOrder() == 1) {
        rows.push_back({"Mandel's test", sMandelWords(statistics)});
    }
    rows.push_back({"Confidence level", sPercent(statistics.GetSettings().dConfidence) +
                                            ", of the coefficients' and the results' intervals"});
    return LabelledRows(rows);
}

CTableBlock CoefficientsBlock(const CReportInput& in, const CCalibrationStatistics& statistics) {
    const CCalibSegment& curve = *in.m_run.Standards().pGetCalibList()->GetAt(0);
    CTableBlock table;
    table.m_vsHeaders = {"Coefficient", "Value", "Standard error",
                         sPercent(statistics.GetSettings().dConfidence) + " interval"};
    table.m_vbRightAligned = {false, true, true, false};
    for (const CCoefficient& c : statistics.GetCoefficients()) {
        table.m_vvsRows.push_back({sNumbered("A", c.iPower), sCoefficient(curve, c.iPower),
                                   sSignificant(c.dStdError, kSpreadDigits),
                                   sToPrecisionOf(c.dLower, c.dStdError, kSpreadDigits) + " to " +
                                       sToPrecisionOf(c.dUpper, c.dStdError, kSpreadDigits)});
    }
    return table;
}

// ---- limits ------------------------------------------------------------------------------------

constexpr const char* kDinMethod = "DIN 32645 / ISO 11843-2, calibration method";

std::string sLimit(double value) {
    return bIsUsable(value) ? sSignificant(value, kSpreadDigits) : "no value";
}

void vAddLimits(const CReportInput& in, const CCalibrationStatistics& statistics,
                CReportSection& section) {
    const CDetectionLimits& limits = statistics.GetLimits();
    if (limits.bAvailable == 0) {
        section.m_vBlocks.push_back(NoteBlock(
            "No limits of detection and quantification: the fit leaves no scatter to estimate "
            "them from."));
        return;
    }
    const CStatisticsSettings& settings = statistics.GetSettings();
    CTableBlock table;
    table.m_vsHeaders = {"Limit", "Method", sWithUnit("Value", in.m_run.Unknowns().GetConcUnit())};
    table.m_vbRightAligned = {false, false, true};
    if (limits.bSlopeAtZero == 0) {
        table.m_vvsRows.push_back(
            {"Critical value x_c", kDinMethod, sLimit(limits.dCriticalValue)});
        table.m_vvsRows.push_back(
            {"Detection limit x_D", kDinMethod, sLimit(limits.dDetectionLimit)});
        table.m_vvsRows.push_back({"Quantification limit x_Q",
                                   std::string(kDinMethod) + ", k = " + UVDATASTR(settings.dK),
                                   sLimit(limits.dQuantificationLimit)});
    }
    table.m_vvsRows.push_back(
        {"Detection limit", "ICH Q2, 3.3\u00b7\u03c3/S", sLimit(limits.dIchDetectionLimit)});
    table.m_vvsRows.push_back({"Quantification limit", "ICH Q2, 10\u00b7\u03c3/S",
                               sLimit(limits.dIchQuantificationLimit)});

    const std::string sigma = "\u03c3 = s_y/x = " + sSignificant(limits.dSigma, kSpreadDigits) +
                              " " + sReadingUnit(in.m_run) +
                              ", S = " + sSignificant(limits.dSlope, kTestDigits) + " " +
                              sReadingUnit(in.m_run) + " per " + in.m_run.Unknowns().GetConcUnit();
    std::string note =
        limits.bSlopeAtZero != 0
            ? "DIN 32645 defines its limits for straight lines only; the ICH Q2 limits of this "
              "curve take S as its slope at zero concentration (" +
                  sigma + ")."
            : "DIN 32645: x_c at \u03b1 = " + UVDATASTR(settings.dAlpha) +
                  " for m = " + std::to_string(settings.iReplicates) +
                  (settings.iReplicates == 1 ? " replicate" : " replicates") +
                  " per sample, x_D = 2\u00b7x_c, x_Q the concentration whose result "
                  "is known to 1/k of itself at 1 \u2212 \u03b1; ICH Q2: " +
                  sigma + ".";
    if (limits.bOwnFit == 0) {
        note +=
            " The limits assume an even scatter and the reading as a function of the "
            "concentration, so they come from the unweighted fit of the reading on the "
            "concentration over the same points, not from the curve above.";
    }
    table.m_vsNotes.push_back(note);
    section.m_vBlocks.push_back(table);
}

// ---- flagged and removed points ----------------------------------------------------------------

void vAddReason(std::string& why, const std::string& reason) {
    why += (why.empty() ? "" : "; ") + reason;
}

struct CFlaggedRow {
    std::string m_sPoint;
    std::string m_sReading;
    std::string m_sResidual;
    std::string m_sStudentized;
    std::string m_sCook;
    std::string m_sWhy;
};

// Every flagged point of the standards, then every flagged replicate of a sample.
std::vector<CFlaggedRow> FlaggedRows(const CReportInput& in,
                                     const CCalibrationStatistics& statistics) {
    const CUVStandardData& standards = in.m_run.Standards();
    const int iYDecimals = standards.iGetYPrecision();
    std::map<int, const CPointDiagnostics*> diagnostics;
    for (const CPointDiagnostics& point : statistics.GetPoints()) {
        diagnostics[point.iPoint] = &point;
    }
    std::vector<CFlaggedRow> rows;
    for (const auto& [p, why] : FlaggedStandardPoints(statistics)) {
        CFlaggedRow row;
        row.m_sPoint = sStandardPointLabel(standards, p);
        row.m_sReading = sFixed(standards.GetValue(p).y, iYDecimals);
        const auto found = diagnostics.find(p);
        if (found != diagnostics.end()) {
            row.m_sResidual = sSignificant(found->second->dResidual, kSpreadDigits);
            row.m_sStudentized = sSignificant(found->second->dStudentized, kSpreadDigits);
            row.m_sCook = sSignificant(found->second->dCooksDistance, kSpreadDigits);
        }
        row.m_sWhy = why;
        rows.push_back(row);
    }
    const CUVUnknownData& unknowns = in.m_run.Unknowns();
    for (const CSampleOutcome& sample : in.m_outcomes.m_vSamples) {
        const CGrubbsResult& grubbs = sample.m_Interval.grubbs;
        if (grubbs.bOutlier != 0) {
            rows.push_back({sample.m_sLabel + ", replicate " +
                                std::to_string(grubbs.iSuspect % unknowns.iGetNumRep() + 1),
                            sFixed(unknowns.GetValue(grubbs.iSuspect).y, unknowns.iGetYPrecision()),
                            "", "", "", sGrubbsWords(grubbs)});
        }
    }
    return rows;
}

void vAddFlagged(const CReportInput& in, const CCalibrationStatistics& statistics,
                 CReportSection& section) {
    const bool bFit = statistics.iGetStatus() == kStatisticsReady;
    const std::vector<CFlaggedRow> rows = FlaggedRows(in, statistics);
    CTableBlock table;
    if (!rows.empty()) {
        table.m_vsHeaders = {"Flagged point",
                             sWithUnit("Reading", sReadingUnit(in.m_run)),
                             sWithUnit("Residual", bFit ? sResponseUnit(in, statistics) : ""),
                             "Studentised residual",
                             "Cook's distance",
                             "Flagged by"};
        table.m_vbRightAligned = {false, true, true, true, true, false};
        for (const CFlaggedRow& row : rows) {
            table.m_vvsRows.push_back({row.m_sPoint, row.m_sReading, row.m_sResidual,
                                       row.m_sStudentized, row.m_sCook, row.m_sWhy});
        }
    }
    const std::string grubbs =
        "Grubbs' test (two-sided, \u03b1 = 0.05) on the replicates of every standard and sample "
        "of three or more";
    if (!bFit) {
        table.m_vsNotes.push_back((rows.empty() ? "No replicate is flagged by " : "Flagged by ") +
                                  grubbs + "; a flagged replicate stays in the calibration.");
    } else {
        table.m_vsNotes.push_back(
            (rows.empty() ? "No point is flagged. The flags: " : "The flags: ") +
            std::string("a studentised residual beyond \u00b1") +
            sSignificant(statistics.dGetStudentizedLimit(), kTestDigits) +
            " (Bonferroni, t(1 \u2212 0.05/2n; n \u2212 p \u2212 1)), a Cook's distance above "
            "4/n = " +
            sSignificant(statistics.dGetCookLimit(), kSpreadDigits) + ", and " + grubbs +
            ". A flagged point stays in the curve unless the run file sets "
            "method.calibration_statistics.remove_outliers; a large Cook's distance marks a "
            "point that weighs much, not an error, and such a point is never removed.");
    }
    section.m_vBlocks.push_back(table);
}

void vAddRemoved(const CReportInput& in, CReportSection& section) {
    const CUVStandardData& standards = in.m_run.Standards();
    if (in.m_run.bOutliersKept()) {
        section.m_vBlocks.push_back(
            NoteBlock("The run file asks for the outliers to be removed, but without them the "
                      "standards give no curve: they were kept."));
    }
    if (in.m_run.RemovedPoints().empty()) {
        return;
    }
    CTableBlock table;
    table.m_vsHeaders = {"Removed point", sWithUnit("Concentration", standards.GetConcUnit()),
                         sWithUnit("Reading", sReadingUnit(in.m_run)), "Removed because"};
    table.m_vbRightAligned = {false, true, true, false};
    for (const CRemovedPoint& removed : in.m_run.RemovedPoints()) {
        std::string why;
        if ((removed.m_Point.bOutlier & kOutlierStudentized) != 0) {
            vAddReason(why, "studentised residual " +
                                sSignificant(removed.m_Point.dStudentized, kSpreadDigits) +
                                " beyond \u00b1" +
                                sSignificant(removed.m_dStudentizedLimit, kTestDigits));
        }
        if (removed.m_bByGrubbs) {
            vAddReason(why, sGrubbsWords(removed.m_Grubbs));
        }
        table.m_vvsRows.push_back({sStandardPointLabel(standards, removed.m_Point.iPoint),
                                   sFixed(removed.m_Point.dConc, standards.iGetConcPrecision()),
                                   sFixed(removed.m_Point.dReading, standards.iGetYPrecision()),
                                   why});
    }
    table.m_vsNotes.push_back(
        "Removed at the run file's request (method.calibration_statistics.remove_outliers), in "
        "one pass over the first fit: the curve, every figure above and the results are those of "
        "the fit without them.");
    section.m_vBlocks.push_back(table);
}

// ---- results -----------------------------------------------------------------------------------

std::string sIntervalNote(const CCalibrationStatistics& statistics) {
    const double level = statistics.GetSettings().dConfidence;
    return "Each result's interval (Results per sample) is the concentration of its n "
           "replicates' mean reading \u00b1 t(" +
           UVDATASTR(1.0 - (1.0 - level) / 2.0) + "; " +
           std::to_string(statistics.iGetDegreesOfFreedom()) +
           ") times its standard error, propagated through the curve (ISO 8466-1, ISO 11843-2) "
           "and scaled by the amount corrections; the blank reading is taken as exact.";
}

// Why a run has no figures, in a sentence.
std::string sNoStatisticsReason(const CReportInput& in) {
    const CQuantitationRun& run = in.m_run;
    const CAnalysisSettings& settings = in.m_file.m_Settings;
    if (run.bHasManualCurve()) {
        return "None: the curve is typed in (manual calibration), not fitted to standards, so "
               "nothing measures its scatter.";
    }
    if (in.m_file.m_vStandards.empty()) {
        switch (settings.m_iResultType) {
            case kRatioResult:
                return "None: the run gives ratios of readings; no curve is fitted.";
            case kReadingsResult:
                return "None: the run reports readings, not concentrations; no curve is fitted.";
            default:
                return "None: the run has no standards; no curve is fitted.";
        }
    }
    if (settings.m_iCalibType == kNoCalib) {
        return "None: the run file asks for no calibration.";
    }
    const CCalibrationStatistics* pStatistics = run.pCalibrationStatistics();
    if (pStatistics != nullptr && pStatistics->iGetStatus() == kStatisticsNotPolynomial) {
        return "A segmented calibration joins the standards' means by straight lines and passes "
               "through every one of them: it leaves no scatter for a residual SD, intervals or "
               "limits. The replicates of each standard are still tested.";
    }
    if (pStatistics != nullptr && pStatistics->iGetStatus() == kStatisticsNoDegreesOfFreedom) {
        return "None: the curve has as many coefficients as measured points, which leaves no "
               "scatter to estimate.";
    }
    return "None: the standards give no curve.";
}

}  // namespace

std::string sStandardPointLabel(const CUVStandardData& standards, int iPoint) {
    const int iReplicates = standards.iGetNumRep();
    const int s = iPoint / iReplicates;
    std::string label = std::to_string(s + 1);
    if (!standards.GetSampName(s).empty()) {
        label += " " + standards.GetSampName(s);
    }
    return iReplicates > 1 ? label + ", replicate " + std::to_string(iPoint % iReplicates + 1)
                           : label;
}

std::map<int, std::string> FlaggedStandardPoints(const CCalibrationStatistics& statistics) {
    std::map<int, std::string> flagged;
    for (const CPointDiagnostics& point : statistics.GetPoints()) {
        if ((point.bOutlier & kOutlierStudentized) != 0) {
            vAddReason(flagged[point.iPoint], "studentised residual");
        }
        if ((point.bOutlier & kOutlierCook) != 0) {
            vAddReason(flagged[point.iPoint], "Cook's distance");
        }
    }
    for (const CStandardSummary& standard : statistics.GetStandards()) {
        if (standard.grubbs.bOutlier != 0) {
            vAddReason(flagged[standard.grubbs.iSuspect], sGrubbsWords(standard.grubbs));
        }
    }
    return flagged;
}

std::string sWeightingName(int iWeighting) {
    switch (iWeighting) {
        case kWeightInverseConc:
            return "1/x";
        case kWeightInverseConcSquared:
            return "1/x\u00b2";
        case kWeightInverseReading:
            return "1/y";
        case kWeightInverseReadingSquared:
            return "1/y\u00b2";
        case kWeightInverseVariance:
            return "1/s\u00b2";
        default:
            return "none";
    }
}

std::string sLeastSquaresWords(int iWeighting) {
    return iWeighting == kWeightNone
               ? "least squares"
               : "weighted least squares (" + sWeightingName(iWeighting) + ")";
}

std::string sResultWithInterval(const CReportInput& in, const CSampleOutcome& sample) {
    const CSampleInterval& interval = sample.m_Interval;
    const CCalibrationStatistics* pStatistics = in.m_run.pCalibrationStatistics();
    if (interval.iStatus != kIntervalReady || pStatistics == nullptr) {
        return {};
    }
    // The half width to two significant digits, the result to the same last decimal (to the
    // method's decimals where the curve leaves no scatter at all).
    const CUVUnknownData& unknowns = in.m_run.Unknowns();
    const double halfWidth = (interval.dUpper - interval.dLower) / 2.0;
    return (halfWidth > 0.0 ? sToPrecisionOf(interval.dConc, halfWidth, kSpreadDigits)
                            : sFixed(interval.dConc, unknowns.iGetConcPrecision())) +
           " \u00b1 " + sSignificant(halfWidth, kSpreadDigits) + " " + unknowns.GetConcUnit() +
           " (" + sPercent(pStatistics->GetSettings().dConfidence) + ")";
}

CReportSection CalibrationStatisticsSection(const CReportInput& in) {
    CReportSection section{"Calibration statistics"};
    const CCalibrationStatistics* pStatistics = in.m_run.pCalibrationStatistics();
    const bool bReady = pStatistics != nullptr && pStatistics->iGetStatus() == kStatisticsReady;
    if (!bReady) {
        section.m_vBlocks.push_back(NoteBlock(sNoStatisticsReason(in)));
        if (pStatistics != nullptr && pStatistics->iGetStatus() == kStatisticsNotPolynomial) {
            vAddFlagged(in, *pStatistics, section);
        }
        return section;
    }
    section.m_vBlocks.push_back(FitBlock(in, *pStatistics));
    section.m_vBlocks.push_back(CoefficientsBlock(in, *pStatistics));
    vAddLimits(in, *pStatistics, section);
    vAddFlagged(in, *pStatistics, section);
    vAddRemoved(in, section);
    if (in.m_outcomes.m_bConcentrations && in.m_run.bUsesStandardsCalibration()) {
        section.m_vBlocks.push_back(NoteBlock(sIntervalNote(*pStatistics)));
    }
    return section;
}

bool bCalibrationStatisticsTable(const CQuantitationRun& run, CNamedList& named) {
    const CCalibrationStatistics* pStatistics = run.pCalibrationStatistics();
    if (pStatistics == nullptr || pStatistics->iGetStatus() != kStatisticsReady) {
        return false;
    }
    const CCalibrationStatistics& statistics = *pStatistics;
    const std::string conc = run.Unknowns().GetConcUnit();
    const std::string reading = sReadingUnit(run);
    const std::string response = statistics.iGetDirection() == kReadingFromConc ? reading : conc;
    const std::string level = sPercent(statistics.GetSettings().dConfidence);
    CTableBlock& table = named.m_Table;
    named.m_sName = "calibration-statistics";
    table.m_vsHeaders = {"Figure", "Value", "Unit", "Method"};
    auto add = [&table](const std::string& figure, const std::string& value,
                        const std::string& unit = "", const std::string& method = "") {
        table.m_vvsRows.push_back({figure, value, unit, method});
    };
    auto count = [](int value) { return std::to_string(value); };
    add("Order", count(statistics.iGetOrder()));
    add("Direction", sDirectionWords(statistics.iGetDirection()));
    add("Through zero", statistics.bGetForceZero() != 0 ? "yes" : "no");
    add("Weighting", sWeightingName(statistics.iGetWeighting()));
    add("Points", count(statistics.iGetNumPoints()));
    add("Coefficients", count(statistics.iGetNumParams()));
    add("Degrees of freedom", count(statistics.iGetDegreesOfFreedom()));
    add("Residual SD s_y/x", sRoundTrip(statistics.dGetResidualSD()), response);
    add("R2", sRoundTrip(statistics.dGetRSquared()));
    add("Adjusted R2", sRoundTrip(statistics.dGetAdjustedRSquared()));
    add("Confidence level", sRoundTrip(statistics.GetSettings().dConfidence));
    for (const CCoefficient& c : statistics.GetCoefficients()) {
        const std::string name = sNumbered("A", c.iPower);
        add(name, sRoundTrip(c.dValue));
        add(name + " standard error", sRoundTrip(c.dStdError));
        add(name + " lower bound (" + level + ")", sRoundTrip(c.dLower));
        add(name + " upper bound (" + level + ")", sRoundTrip(c.dUpper));
    }
    auto test = [&](const std::string& name, const CModelTest& model, const std::string& method) {
        add(name + " verdict",
            model.iVerdict == kTestPassed   ? "passed"
            : model.iVerdict == kTestFailed ? "failed"
                                            : "not tested",
            "", method);
        if (model.iVerdict != kTestNotApplicable) {
            add(name + " statistic", sRoundTrip(model.dStatistic), "", method);
            add(name + " critical value", sRoundTrip(model.dCritical), "", method);
            add(name + " p value", sRoundTrip(model.dPValue), "", method);
            add(name + " degrees of freedom 1", count(model.iDf1), "", method);
            add(name + " degrees of freedom 2", count(model.iDf2), "", method);
        }
    };
    test("Lack of fit", statistics.GetLackOfFit(), "F test, pure error against lack of fit");
    if (statistics.iGetOrder() == 1) {
        test("Mandel", statistics.GetMandel(), "ISO 8466-1, order 1 against order 2 at 99 %");
    }
    const CDetectionLimits& limits = statistics.GetLimits();
    if (limits.bAvailable != 0) {
        const CStatisticsSettings& settings = statistics.GetSettings();
        if (limits.bSlopeAtZero == 0) {
            add("Critical value x_c", sRoundTrip(limits.dCriticalValue), conc, kDinMethod);
            add("Detection limit x_D", sRoundTrip(limits.dDetectionLimit), conc, kDinMethod);
            add("Quantification limit x_Q", sRoundTrip(limits.dQuantificationLimit), conc,
                kDinMethod);
            add("alpha", sRoundTrip(settings.dAlpha), "", kDinMethod);
            add("k", sRoundTrip(settings.dK), "", kDinMethod);
            add("m", count(settings.iReplicates), "", kDinMethod);
        }
        add("Detection limit", sRoundTrip(limits.dIchDetectionLimit), conc, "ICH Q2, 3.3 sigma/S");
        add("Quantification limit", sRoundTrip(limits.dIchQuantificationLimit), conc,
            "ICH Q2, 10 sigma/S");
        add("Limits sigma", sRoundTrip(limits.dSigma), reading,
            limits.bOwnFit != 0 ? "the calibration's fit" : "unweighted fit of reading on conc");
        add("Limits slope S", sRoundTrip(limits.dSlope), reading + " per " + conc,
            limits.bSlopeAtZero != 0 ? "slope at zero concentration" : "");
    }
    add("Studentised residual limit", sRoundTrip(statistics.dGetStudentizedLimit()), "",
        "Bonferroni, t(1 - 0.05/2n; n - p - 1)");
    add("Cook's distance limit", sRoundTrip(statistics.dGetCookLimit()), "", "4/n");
    return true;
}
