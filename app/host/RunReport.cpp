// The report of a run, section by section. The list sections are the views' lists exactly as the
// views hold them, and the calibration and listing texts as the documents write them; the report's
// own sections say what was done in between: when, by whom and from which files (the audit
// header), the settings the run file gave, the calibration as an equation, the blank that
// corrected each sample, and each sample's result with its replicates and corrections.
#include <algorithm>
#include <cmath>

#include "host/CalibrationPlotBuilder.h"
#include "host/CalibrationStatisticsReport.h"
#include "host/QuantitationRun.h"
#include "host/ReportNumbers.h"
#include "host/ReportSections.h"
#include "host/SampleOutcome.h"
#include "host/TidyTables.h"

using namespace photoquant;

// ---- shared with the calibration statistics ----------------------------------------------------

namespace {

std::string sPowerOf(const std::string& symbol, int power) {
    return power == 0 ? std::string() : "\u00b7" + symbol + sSuperscript(power);
}

}  // namespace

CTableBlock LabelledRows(std::vector<std::vector<std::string>> rows) {
    CTableBlock block;
    for (auto& row : rows) {
        row.front() += ":";
        block.m_vvsRows.push_back(std::move(row));
    }
    return block;
}

// The magnitude of each term over the argument's range: a coefficient times the argument's size
// to its power.
double dTermSize(const CCalibSegment& segment, int power) {
    return std::abs(segment.m_dCoeff[power]) * std::pow(dArgumentSize(segment), power);
}

std::string sCoefficient(const CCalibSegment& segment, int power) {
    double largest = 0.0;
    for (int i = 0; i <= segment.m_iOrder; ++i) {
        largest = std::max(largest, dTermSize(segment, i));
    }
    return sSignificantBeside(dTermSize(segment, power), largest, kCoefficientDigits) == "0"
               ? "0"
               : sSignificant(segment.m_dCoeff[power], kCoefficientDigits);
}

std::string sEquation(const CCalibSegment& segment, const std::string& reading) {
    const bool bOfConc = segment.m_iDirection == kReadingFromConc;
    const std::string result = bOfConc ? reading : "c";
    const std::string argument = bOfConc ? "c" : reading;
    std::string text;
    for (int i = 0; i <= segment.m_iOrder; ++i) {
        if (sCoefficient(segment, i) == "0") {
            continue;
        }
        const double coefficient = segment.m_dCoeff[i];
        const std::string digits = sSignificant(std::abs(coefficient), kCoefficientDigits);
        if (text.empty()) {
            text = (coefficient < 0 ? "\u2212" : "") + digits;
        } else {
            text += (coefficient < 0 ? " \u2212 " : " + ") + digits;
        }
        text += sPowerOf(argument, i);
    }
    return result + " = " + (text.empty() ? "0" : text);
}

std::string sDirectionWords(int direction) {
    return direction == kReadingFromConc ? "reading from concentration"
                                         : "concentration from reading";
}

double dArgumentSize(const CCalibSegment& segment) {
    const bool bOfConc = segment.m_iDirection == kReadingFromConc;
    const double lo = bOfConc ? segment.m_dXMin : segment.m_dYMin;
    const double hi = bOfConc ? segment.m_dXMax : segment.m_dYMax;
    const double size = std::max(std::abs(lo), std::abs(hi));
    return bIsUsable(size) && size > 0.0 && size < 1e300 ? size : 1.0;
}

namespace {

// ---- run header --------------------------------------------------------------------------------

CReportSection RunSection(const CReportInput& in) {
    std::vector<std::vector<std::string>> rows;
    if (!in.m_file.m_sOperator.empty()) {
        rows.push_back({"Operator", in.m_file.m_sOperator});
    }
    rows.push_back({"Date and time", in.m_run.RunTime()});
    rows.push_back({"Program", std::string("photoquant ") + PHOTOQUANT_VERSION});
    rows.push_back({"Run file", in.m_file.m_sSource});
    for (const CInputFile& input : in.m_file.m_vInputs) {
        rows.push_back({"SHA-256 of " + input.m_sName, input.m_sSha256});
    }
    rows.push_back({"Calibration option", in.m_run.ProfileName().empty()
                                              ? "no profile given"
                                              : "profile " + in.m_run.ProfileName()});
    CReportSection section{"Run", {LabelledRows(rows)}};
    if (!in.m_file.m_vInstrumentFields.empty()) {
        CTableBlock instrument;
        instrument.m_vsHeaders = {"Instrument field", "Value"};
        for (const auto& [name, value] : in.m_file.m_vInstrumentFields) {
            instrument.m_vvsRows.push_back({name, value});
        }
        section.m_vBlocks.push_back(instrument);
    }
    return section;
}

// Every setting the run file gave, by its name in the run file.
CReportSection SettingsSection(const CReportInput& in) {
    CReportSection section{"Run-file settings"};
    if (in.m_file.m_vGivenFields.empty()) {
        return section;
    }
    CTableBlock block;
    block.m_vsHeaders = {"Field", "Value"};
    for (const auto& [name, value] : in.m_file.m_vGivenFields) {
        block.m_vvsRows.push_back({name, value});
    }
    section.m_vBlocks.push_back(block);
    return section;
}

// ---- calibration -------------------------------------------------------------------------------

std::string sDirectionSource(const CReportInput& in) {
    if (in.m_file.m_Settings.m_iDirection) {
        return "the run file";
    }
    return in.m_run.ProfileName().empty()
               ? "the calibration option's default (no run-file direction, no profile)"
               : "the profile " + in.m_run.ProfileName();
}

std::string sLimitsSource(const CReportInput& in) {
    const CAnalysisSettings& settings = in.m_file.m_Settings;
    if (settings.m_bLowerLimitGiven && settings.m_bUpperLimitGiven) {
        return "the run file";
    }
    if (in.m_run.bUsesStandardsCalibration()) {
        return settings.m_bLowerLimitGiven || settings.m_bUpperLimitGiven
                   ? "the run file and, where it gives none, the standards' range"
                   : "the standards' concentration range (the run file gives none)";
    }
    return "the program's defaults (the run file gives none)";
}

int iMeasuredStandardPoints(const CUVStandardData& standards) {
    int count = 0;
    for (int p = 0; p < standards.iGetNumPts(); ++p) {
        count += standards.bGetMeasured(p) != 0 ? 1 : 0;
    }
    return count;
}

CTableBlock EquationBlock(const CReportInput& in) {
    const CQuantitationRun& run = in.m_run;
    const CUVUnknownData& unknowns = run.Unknowns();
    const std::string unit = unknowns.GetConcUnit();
    const std::string reading = sReadingSymbol(run);
    std::vector<std::vector<std::string>> rows;
    const std::string concWords = ", c in " + unit;
    if (run.bHasManualCurve()) {
        const CCalibSegment& segment = *unknowns.pGetCalibSeg();
        rows.push_back({"Equation", sEquation(segment, reading) + concWords});
        rows.push_back(
            {"Curve", "typed in (manual calibration), order " + std::to_string(segment.m_iOrder)});
        rows.push_back({"Direction",
                        sDirectionWords(segment.m_iDirection) + ", from " + sDirectionSource(in)});
    } else {
        const CUVStandardData& standards = run.Standards();
        const CCalibList& list = *standards.pGetCalibList();
        const CCalibSegment& first = *list.GetAt(0);
        const int points = iMeasuredStandardPoints(standards);
        if (standards.iGetCalibType() == kSegmentedCalib) {
            rows.push_back({"Equation", "straight segments between the standards' mean readings (" +
                                            std::to_string(list.GetSize()) + "), listed below"});
        } else {
            // With no extra intercept beside it, a segment's range bounds the argument used.
            rows.push_back({"Equation", sEquation(first, reading) + concWords});
            rows.push_back({"Curve", "polynomial of order " + std::to_string(first.m_iOrder) +
                                         (standards.bGetForceZero() != 0 ? " through zero" : "") +
                                         ", " + sLeastSquaresWords(standards.iGetWeighting()) +
                                         " over " + std::to_string(points) +
                                         " measured points, each replicate counted"});
            rows.push_back({"R", sNearOne(first.m_dR)});
            rows.push_back({"R\u00b2", sNearOne(first.m_dR2)});
        }
        rows.push_back(
            {"Direction", sDirectionWords(first.m_iDirection) + ", from " + sDirectionSource(in)});
    }
    const int iConcDecimals = unknowns.iGetConcPrecision();
    rows.push_back({"Limits", sFixed(unknowns.dGetLoLimit(), iConcDecimals) + " to " +
                                  sFixed(unknowns.dGetHiLimit(), iConcDecimals) + " " + unit +
                                  ", from " + sLimitsSource(in)});
    return LabelledRows(rows);
}

CReportSection CalibrationSection(const CReportInput& in) {
    CReportSection section{"Calibration"};
    if (!in.m_run.bHasCurve()) {
        return section;
    }
    section.m_bShowsPlots = true;
    section.m_vBlocks.push_back(EquationBlock(in));
    if (!in.m_file.m_vStandards.empty()) {
        for (CTableBlock& block : TextTables(in.m_run.Standards().GetCalibrationData())) {
            section.m_vBlocks.push_back(std::move(block));
        }
    }
    return section;
}

// ---- blank -------------------------------------------------------------------------------------

std::string sReadingText(double value, const CQuantitationRun& run) {
    return bIsUsable(value)
               ? sFixed(value, run.Unknowns().iGetYPrecision()) + " " + sReadingUnit(run)
               : "";
}

std::string sLabels(const std::vector<std::string>& labels) {
    std::string text;
    for (const std::string& label : labels) {
        text += (text.empty() ? "" : ", ") + label;
    }
    return text;
}

std::string sSampleLabels(const CReportInput& in, const std::vector<int>& samples) {
    std::vector<std::string> labels;
    for (int s : samples) {
        labels.push_back(in.m_outcomes.m_vSamples[static_cast<size_t>(s)].m_sLabel);
    }
    return sLabels(labels);
}

CReportSection BlankSection(const CReportInput& in) {
    CReportSection section{"Blank correction"};
    const CUVUnknownData& unknowns = in.m_run.Unknowns();
    if (!in.m_outcomes.m_bConcentrations || unknowns.iGetNumCoord() > 0) {
        return section;
    }
    CTableBlock blanks;
    blanks.m_vsHeaders = {"Blank", "Reading used", "Corrects"};
    std::vector<std::string> uncorrected;
    const auto& samples = in.m_outcomes.m_vSamples;
    // The samples each blank corrected, gathered in one walk: a run of many samples and many
    // blanks would otherwise walk every sample once per blank.
    std::vector<std::vector<std::string>> correctedBy(samples.size());
    for (const CSampleOutcome& sample : samples) {
        const auto blank = static_cast<size_t>(sample.m_iBlankSample);
        if (!sample.bIsBlank() && sample.m_iBlankSample >= 0 && blank < correctedBy.size()) {
            correctedBy[blank].push_back(sample.m_sLabel);
        }
    }
    for (const CSampleOutcome& sample : samples) {
        if (!sample.bIsBlank() && sample.m_iBlankSample < 0 && sample.m_iCount > 0) {
            uncorrected.push_back(sample.m_sLabel);
        }
        const auto s = static_cast<size_t>(sample.m_iSample);
        if (!sample.bIsBlank() || sample.m_iBlankSample != sample.m_iSample ||
            s >= correctedBy.size()) {
            continue;
        }
        const std::vector<std::string>& corrected = correctedBy[s];
        blanks.m_vvsRows.push_back({sample.m_sLabel, sReadingText(sample.m_dBlank, in.m_run),
                                    corrected.empty() ? "no sample" : sLabels(corrected)});
    }
    if (blanks.m_vvsRows.empty()) {
        section.m_vsNotes.push_back(
            "No blank was measured: the readings enter the curve as they were measured.");
        return section;
    }
    section.m_vBlocks.push_back(LabelledRows(
        {{"Zero-concentration reading y0",
          sReadingText(unknowns.dGetConc0Data(), in.m_run) + ", the curve's reading at c = 0"}}));
    section.m_vBlocks.push_back(blanks);
    section.m_vsNotes.push_back(
        "A sample's reading enters the curve as y \u2212 blank + y0. A blank corrects only the "
        "samples measured after it, up to the next blank; its value is the reading of its last "
        "measured replicate.");
    if (!uncorrected.empty()) {
        section.m_vsNotes.push_back(
            "Measured before any blank, and so not blank corrected: " + sLabels(uncorrected) + ".");
    }
    return section;
}

// ---- results per sample ------------------------------------------------------------------------

// A typed-in amount or a factor made of them, as short as it reads: 1.25, 2, 0.8.
std::string sTimes(double value) {
    return UVDATASTR(value);
}

// The corrections that changed the sample's result, in the order the document applies them.
std::string sCorrections(const CUVUnknownData& unknowns, int s) {
    std::string text;
    auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (unknowns.dGetSolvent(s) != 1.0) {
        add("\u00d7 " + sTimes(unknowns.dGetSolvent(s)) + " " + unknowns.GetSolventUnit() +
            " solvent");
    }
    if (unknowns.dGetWeightSetting(s) != 1.0) {
        add("\u00f7 " + sTimes(unknowns.dGetWeightSetting(s)) + " " + unknowns.GetWeightUnit() +
            " weight");
    }
    if (unknowns.dGetDilutionRatio(s) != 1.0) {
        add("\u00d7 " + sTimes(unknowns.dGetDilutionRatio(s)) + " dilution");
    }
    if (unknowns.dGetRevisionCoef(s) != 1.0) {
        add("\u00d7 " + sTimes(unknowns.dGetRevisionCoef(s)) + " revision");
    }
    return text;
}

std::string sBasis(const CUVUnknownData& unknowns, int s) {
    if (unknowns.dGetWeightSetting(s) != 1.0) {
        return "per " + unknowns.GetWeightUnit() + " of sample";
    }
    return sCorrections(unknowns, s).empty() ? "as measured" : "in the original sample";
}

std::string sMeanText(const CReportInput& in, double mean) {
    if (!bIsUsable(mean)) {
        return "";
    }
    const CUVUnknownData& unknowns = in.m_run.Unknowns();
    return in.m_outcomes.m_bConcentrations ? sFixed(mean, unknowns.iGetConcPrecision())
                                           : sSignificant(mean, kCoefficientDigits);
}

std::string sResultHeader(const CReportInput& in, const std::string& what) {
    return in.m_outcomes.m_bConcentrations ? what + " (" + in.m_run.Unknowns().GetConcUnit() + ")"
                                           : what;
}

// Columns from the first droppable on in which no row holds anything (SD and CV of a run without
// statistics) say nothing: they go.
void vDropEmptyColumns(CTableBlock& table, size_t firstDroppable) {
    for (size_t c = table.m_vsHeaders.size(); c-- > firstDroppable;) {
        const bool bEmpty = std::all_of(table.m_vvsRows.begin(), table.m_vvsRows.end(),
                                        [c](const auto& row) { return row[c].empty(); });
        if (!bEmpty) {
            continue;
        }
        table.m_vsHeaders.erase(table.m_vsHeaders.begin() + static_cast<long>(c));
        if (c < table.m_vbRightAligned.size()) {
            table.m_vbRightAligned.erase(table.m_vbRightAligned.begin() + static_cast<long>(c));
        }
        for (auto& row : table.m_vvsRows) {
            row.erase(row.begin() + static_cast<long>(c));
        }
    }
}

CTableBlock SampleTable(const CReportInput& in) {
    const CUVUnknownData& unknowns = in.m_run.Unknowns();
    const bool bCorrections = in.m_outcomes.m_bAmountCorrection && in.m_outcomes.m_bConcentrations;
    const bool bBlankColumn =
        in.m_outcomes.m_bConcentrations && unknowns.iGetNumCoord() == 0 &&
        std::any_of(in.m_outcomes.m_vSamples.begin(), in.m_outcomes.m_vSamples.end(),
                    [](const CSampleOutcome& sample) { return sample.bIsBlank(); });
    CTableBlock table;
    table.m_vsHeaders = {"Sample", "n", sResultHeader(in, "Mean"), sResultHeader(in, "SD"),
                         "CV (%)"};
    if (in.m_outcomes.m_bConcentrations) {
        table.m_vsHeaders.insert(table.m_vsHeaders.end(), {"Flag", "Result and interval"});
    }
    if (bBlankColumn) {
        table.m_vsHeaders.push_back("Blank used");
    }
    if (bCorrections) {
        table.m_vsHeaders.insert(table.m_vsHeaders.end(), {"Corrections", "Factor", "Basis"});
    }
    table.m_vbRightAligned = {false, true, true, true, true};
    for (const CSampleOutcome& sample : in.m_outcomes.m_vSamples) {
        std::vector<std::string> row = {sample.m_sLabel, std::to_string(sample.m_iCount),
                                        sample.bIsBlank() ? "" : sMeanText(in, sample.m_dMean),
                                        sSignificant(sample.m_dSD, kSpreadDigits),
                                        sSignificant(sample.m_dCV, kSpreadDigits)};
        if (in.m_outcomes.m_bConcentrations) {
            row.push_back(sample.m_sFlag);
            row.push_back(sResultWithInterval(in, sample));
        }
        if (bBlankColumn) {
            row.push_back(sample.bIsBlank()           ? "(is a blank)"
                          : sample.m_iBlankSample < 0 ? "none"
                                                      : sReadingText(sample.m_dBlank, in.m_run));
        }
        if (bCorrections) {
            row.push_back(sample.bIsBlank() ? "" : sCorrections(unknowns, sample.m_iSample));
            row.push_back(sample.bIsBlank() ? "" : sTimes(sample.m_dAmountFactor));
            row.push_back(sample.bIsBlank() ? "" : sBasis(unknowns, sample.m_iSample));
        }
        table.m_vvsRows.push_back(std::move(row));
    }
    vDropEmptyColumns(table, 3);
    return table;
}

CTableBlock GroupTable(const CReportInput& in) {
    CTableBlock table;
    table.m_vsHeaders = {"Statistics group", sResultHeader(in, "Mean"), sResultHeader(in, "SD"),
                         "CV (%)"};
    if (in.m_outcomes.m_bConcentrations) {
        table.m_vsHeaders.push_back("Flag");
    }
    table.m_vbRightAligned = {false, true, true, true};
    for (const CStatisticsGroup& group : in.m_outcomes.m_vGroups) {
        std::vector<std::string> row = {
            sSampleLabels(in, group.m_viSamples), sMeanText(in, group.m_dMean),
            sSignificant(group.m_dSD, kSpreadDigits), sSignificant(group.m_dCV, kSpreadDigits)};
        if (in.m_outcomes.m_bConcentrations) {
            row.push_back(group.m_sFlag);
        }
        table.m_vvsRows.push_back(std::move(row));
    }
    vDropEmptyColumns(table, 2);
    return table;
}

CReportSection ResultsSection(const CReportInput& in) {
    CReportSection section{"Results per sample"};
    const CUVUnknownData& unknowns = in.m_run.Unknowns();
    if (unknowns.iGetResultType() == kReadingsResult || unknowns.iGetNumCoord() > 0) {
        return section;
    }
    section.m_vBlocks.push_back(SampleTable(in));
    if (!in.m_outcomes.m_vGroups.empty()) {
        section.m_vBlocks.push_back(GroupTable(in));
    }
    section.m_vsNotes.push_back(
        unknowns.bGetStatisticalMode() != 0
            ? "n counts the measured replicates. The SD is the sample standard deviation of the "
              "replicates' results, the CV the SD relative to the mean; both are left empty where "
              "one replicate or identical readings give none, or for a sample that is part of a "
              "larger statistics group."
            : "n counts the measured replicates; the mean is theirs. The run file asks for no "
              "statistics.");
    if (!in.m_outcomes.m_viUngrouped.empty()) {
        section.m_vsNotes.push_back(
            "Left out of the group statistics, their group of " +
            std::to_string(unknowns.iGetStatisticsNum()) +
            " samples being incomplete: " + sSampleLabels(in, in.m_outcomes.m_viUngrouped) + ".");
    }
    const auto& samples = in.m_outcomes.m_vSamples;
    if (std::any_of(samples.begin(), samples.end(), [](const CSampleOutcome& sample) {
            return sample.m_Interval.iStatus == kIntervalReady;
        })) {
        section.m_vsNotes.push_back(
            "The interval of a result comes from the scatter of the calibration and of the n "
            "replicates' readings (Calibration statistics); it is centred on the concentration "
            "of their mean reading.");
    }
    return section;
}

}  // namespace

CReport CQuantitationRun::Report() const {
    const CUnknownOutcomes outcomes = UnknownOutcomes(*this);
    const CReportInput in{*this, m_run, outcomes};
    CReport report;
    report.m_sTitle = m_run.m_sTitle.empty() ? "Photometric quantitation" : m_run.m_sTitle;
    report.m_sSource = m_run.m_sSource;
    // The answer first, then how it was reached, then the record of every reading and setting.
    report.m_vSections.push_back(RunSection(in));
    report.m_vSections.push_back(ResultsSection(in));
    report.m_vSections.push_back(CalibrationSection(in));
    report.m_vSections.push_back(CalibrationStatisticsSection(in));
    report.m_vSections.push_back(BlankSection(in));
    if (!m_run.m_vStandards.empty()) {
        report.m_vSections.push_back({"Standards", {ListTable(StandardList())}});
    }
    report.m_vSections.push_back({"Unknowns", {ListTable(UnknownList())}});
    report.m_vSections.push_back(
        {"Unknowns calibration", TextTables(m_pUnknowns->GetCalibrationData())});
    report.m_vSections.push_back(
        {"Measurement conditions", TextTables(m_pUnknowns->GetInstData())});
    report.m_vSections.push_back(SettingsSection(in));
    report.m_Plot = CalibrationPlot(*this, outcomes);
    report.m_Residuals = ResidualPlot(*this, report.m_Plot);
    report.m_vTables = TidyTables(*this, outcomes);
    // The views' own lists, under their own names.
    if (!m_run.m_vStandards.empty()) {
        report.m_vTables.push_back({"list-standards", ListTable(StandardList())});
        report.m_vTables.push_back({"list-standards-calibration", ListTable(StandardCalibList())});
    }
    report.m_vTables.push_back({"list-unknowns", ListTable(UnknownList())});
    report.m_vTables.push_back({"list-unknowns-calibration", ListTable(UnknownCalibList())});
    return report;
}
