// The calibration statistics as the program reports them. The reference numbers of the built-in
// example come from statsmodels (tests/app/builtin_statistics.py, run by hand), not from this
// program.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "AppTestSupport.h"
#include "host/ReportWriters.h"

namespace {

const CTableBlock& Table(const CReport& report, const std::string& name) {
    for (const CNamedList& named : report.m_vTables) {
        if (named.m_sName == name) {
            return named.m_Table;
        }
    }
    static const CTableBlock none;
    ADD_FAILURE() << "no table " << name;
    return none;
}

// The cell of a table under the column whose header begins with the given text, as a number.
double dCell(const CTableBlock& table, size_t row, const std::string& header) {
    for (size_t c = 0; c < table.m_vsHeaders.size(); ++c) {
        if (table.m_vsHeaders[c].rfind(header, 0) == 0 && row < table.m_vvsRows.size()) {
            return std::strtod(table.m_vvsRows[row][c].c_str(), nullptr);
        }
    }
    ADD_FAILURE() << "no column " << header;
    return 0.0;
}

// A figure of the calibration-statistics table by its name.
double dFigure(const CReport& report, const std::string& figure) {
    const CTableBlock& table = Table(report, "calibration-statistics");
    for (size_t r = 0; r < table.m_vvsRows.size(); ++r) {
        if (table.m_vvsRows[r][0] == figure) {
            return dCell(table, r, "Value");
        }
    }
    ADD_FAILURE() << "no figure " << figure;
    return 0.0;
}

void vExpectRelative(double value, double reference, const std::string& what) {
    EXPECT_NEAR(value, reference, 1e-8 * std::abs(reference)) << what;
}

// The built-in example with one more run-file setting in its method, or a reading replaced.
std::filesystem::path WriteVariant(const CScratchDir& dir, const std::string& methodFields,
                                   const std::string& from = "", const std::string& to = "") {
    std::string text = sFileText(sExample("one-wavelength.json"));
    text.replace(text.find("\"result\": \"concentration\""), 25,
                 "\"result\": \"concentration\"" + methodFields);
    if (!from.empty()) {
        text.replace(text.find(from), from.size(), to);
    }
    return dir.Write("variant.json", text);
}

}  // namespace

TEST(StatisticsReport, BuiltInExampleFiguresAgreeWithAnIndependentFit) {
    const CExecutedRun iron("one-wavelength.json");
    ASSERT_TRUE(iron.bOk()) << iron.m_sProblem;
    const CReport report = iron.Run().Report();
    // statsmodels OLS of the 15 replicates, 95 %, alpha 0.05, k 3, m 3 (builtin_statistics.py).
    const std::pair<const char*, double> figures[] = {
        {"A0", 0.00518055555556},
        {"A1", 0.198801971326},
        {"A0 standard error", 0.00141991554163},
        {"A1 standard error", 0.000343874776478},
        {"A0 lower bound (95 %)", 0.0021130145246},
        {"A1 upper bound (95 %)", 0.199544867615},
        {"Residual SD s_y/x", 0.00363272412768},
        {"R2", 0.999961105721},
        {"Adjusted R2", 0.999958113853},
        {"Lack of fit statistic", 1.04311818814},
        {"Lack of fit p value", 0.415283244434},
        {"Mandel statistic", 3.43621553687},
        {"Mandel critical value", 9.33021210317},
        {"Critical value x_c", 0.022562215015},
        {"Detection limit x_D", 0.04512443003},
        {"Quantification limit x_Q", 0.0821876653541},
        {"Detection limit", 0.0603011607046},
        {"Quantification limit", 0.182730790014},
        {"Studentised residual limit", 3.64888927853}};
    for (const auto& [figure, reference] : figures) {
        vExpectRelative(dFigure(report, figure), reference, figure);
    }
    // Influence of the points: Fe 8's replicates 2 and 3 weigh more than 4/n = 0.27.
    const CTableBlock& points = Table(report, "standard-points");
    vExpectRelative(dCell(points, 11, "Studentised residual"), -2.03671213732, "Fe 4/3");
    vExpectRelative(dCell(points, 14, "Leverage"), 0.281810035842, "Fe 8/3");
    vExpectRelative(dCell(points, 14, "Cook's distance"), 0.848870351855, "Fe 8/3");
    for (size_t row = 0; row < 15; ++row) {
        EXPECT_EQ(points.m_vvsRows[row][points.m_vsHeaders.size() - 3], row >= 13 ? "yes" : "")
            << "Cook's flag of point " << row;
    }
    // Classical inverse prediction of m = 3 replicates, the spinach scaled by 2 / 1.25.
    const CTableBlock& samples = Table(report, "samples");
    vExpectRelative(dCell(samples, 1, "Standard error"), 0.0115993619929, "well water");
    vExpectRelative(dCell(samples, 1, "Lower bound 95 %"), 2.50174367828, "well water");
    vExpectRelative(dCell(samples, 3, "Interval centre"), 2.78736337289, "spinach");
    vExpectRelative(dCell(samples, 3, "Upper bound 95 %"), 2.82812755207, "spinach");

    const std::string text = sCompact(sTextReport(report));
    EXPECT_TRUE(bHas(text, "1 Well water  3  2.527  0.013  0.50  2.527 \u00b1 0.025 mg/L (95 %)"));
    EXPECT_TRUE(bHas(text, "Residual SD s_y/x:  0.0036 Abs, 13 degrees of freedom"));
    EXPECT_TRUE(bHas(text, "Mandel's test:  a straight line suffices (TV = 3.44 below"));
    EXPECT_TRUE(bHas(text, "Lack of fit:  none shown: F = 1.04 below F(0.95; 3, 10) = 3.71"));
    EXPECT_TRUE(bHas(text, "A1  0.198802  0.00034  0.19806 to 0.19954\n"));
    EXPECT_TRUE(bHas(text,
                     "Detection limit x_D  DIN 32645 / ISO 11843-2, calibration method  "
                     "0.045\n"));
    EXPECT_TRUE(bHas(text, "Quantification limit  ICH Q2, 10\u00b7\u03c3/S  0.18\n"));
    EXPECT_TRUE(bHas(text, "5 Fe 8, replicate 3  1.6020  0.0064  2.4  0.85  Cook's distance\n"));
    // The residual plot rings the two flagged points (and the legend's sample).
    const std::string svg = sSvgResidualPlot(report.m_Residuals, 380, 450);
    EXPECT_EQ(std::regex_search(svg, std::regex("Fe 8, replicate 3: Cook's distance")), true);
    EXPECT_EQ(iOccurrences(svg, "class=\"flaggedpoint\""), 3u);
}

TEST(StatisticsReport, RunFileSettingsWeightTheCurveSetTheLevelAndRemoveOutliers) {
    const CScratchDir dir;
    {
        // Weighted least squares with w = 1/c^2 (statsmodels WLS).
        const CExecutedRun weighted(WriteVariant(dir, ", \"weighting\": \"1/x^2\"").string());
        ASSERT_TRUE(weighted.bOk()) << weighted.m_sProblem;
        const CCalibSegment& line = *weighted.Run().Standards().pGetCalibList()->GetAt(0);
        vExpectRelative(line.m_dCoeff[0], 0.00662544802867, "weighted A0");
        vExpectRelative(line.m_dCoeff[1], 0.198173611111, "weighted A1");
        const std::string text = sTextReport(weighted.Run().Report());
        EXPECT_TRUE(bHas(text, "weighted least squares (1/x\u00b2) over 15 measured points"));
    }
    {
        const CExecutedRun level(
            WriteVariant(dir, ", \"calibration_statistics\": {\"confidence\": 0.99}").string());
        ASSERT_TRUE(level.bOk()) << level.m_sProblem;
        const std::string text = sTextReport(level.Run().Report());
        EXPECT_TRUE(bHas(text, " mg/L (99 %)"));
        EXPECT_TRUE(bHas(text, "t(0.995; 13)"));
    }
    // Fe 4, replicate 2 read 0.850 instead of 0.802: studentised residual 12.76 beyond 3.65.
    const std::string wild = "[0.797], [0.850], [0.794]";
    const CExecutedRun kept(WriteVariant(dir, "", "[0.797], [0.802], [0.794]", wild).string());
    ASSERT_TRUE(kept.bOk()) << kept.m_sProblem;
    EXPECT_TRUE(bHas(sCompact(sTextReport(kept.Run().Report())),
                     "4 Fe 4, replicate 2  0.8500  0.046  13  0.48  studentised residual; "
                     "Cook's distance\n"));
    EXPECT_TRUE(kept.Run().RemovedPoints().empty());  // flagged, kept: removal is the user's call
    const CExecutedRun removed(
        WriteVariant(dir, ", \"calibration_statistics\": {\"remove_outliers\": true}",
                     "[0.797], [0.802], [0.794]", wild)
            .string());
    ASSERT_TRUE(removed.bOk()) << removed.m_sProblem;
    const CCalibSegment& refit = *removed.Run().Standards().pGetCalibList()->GetAt(0);
    vExpectRelative(refit.m_dCoeff[0], 0.00510804708918, "A0 without the outlier");
    vExpectRelative(refit.m_dCoeff[1], 0.198787937429, "A1 without the outlier");
    const CReport report = removed.Run().Report();
    const std::string text = sCompact(sTextReport(report));
    EXPECT_TRUE(bHas(text,
                     "4 Fe 4, replicate 2  4.000  0.8500  studentised residual 13 beyond "
                     "\u00b13.65\n"));
    EXPECT_TRUE(bHas(text, "least squares over 14 measured points"));
    const CTableBlock& points = Table(report, "standard-points");
    ASSERT_EQ(points.m_vvsRows.size(), 15u);  // the removed point is listed, and says so
    EXPECT_EQ(points.m_vvsRows[10].back(), "yes");
    EXPECT_TRUE(bHas(sSvgPlot(report.m_Plot, 600, 450), "4 Fe 4, replicate 2: removed"));

    // Settings the reader refuses, with the place and the reason.
    const CProgramResult level = RunProgram(
        "run '" + WriteVariant(dir, ", \"calibration_statistics\": {\"confidence\": 95}").string() +
        "'");
    EXPECT_EQ(level.m_iExit, 2);
    EXPECT_TRUE(bHas(level.m_sErr,
                     "/method/calibration_statistics/confidence: must lie between "
                     "0 and 1"));
    std::string segmented = sFileText(sExample("segmented-through-zero.json"));
    segmented.replace(segmented.find("\"calibration\": \"segmented\""), 26,
                      "\"calibration\": \"segmented\", \"weighting\": \"1/x\"");
    const CProgramResult weighting =
        RunProgram("run '" + dir.Write("segmented.json", segmented).string() + "'");
    EXPECT_EQ(weighting.m_iExit, 2);
    EXPECT_TRUE(bHas(weighting.m_sErr, "a weighting applies to a polynomial calibration only"));
}
