#include <gtest/gtest.h>

#include <regex>

#include "AppTestSupport.h"
#include "host/ReportWriters.h"

namespace {

// The linear map from plot values to pixels of one axis, read off two of its tick labels.
struct CAxisMap {
    double m_dValue0 = 0.0, m_dPixel0 = 0.0, m_dValue1 = 1.0, m_dPixel1 = 1.0;
    double dValue(double pixel) const {
        return m_dValue0 + (pixel - m_dPixel0) * (m_dValue1 - m_dValue0) / (m_dPixel1 - m_dPixel0);
    }
};

// Tick values of one axis ("xtick" or "ytick") of the first plot in svg, with their pixels.
std::vector<std::pair<double, double>> Ticks(const std::string& svg, const std::string& axis) {
    const std::string plot = svg.substr(0, svg.find("</svg>"));
    const std::regex tick("<text class=\"tick " + axis +
                          "\" x=\"([-0-9.]+)\" y=\"([-0-9.]+)\"[^>]*>([-0-9.]+)</text>");
    std::vector<std::pair<double, double>> ticks;
    for (std::sregex_iterator it(plot.begin(), plot.end(), tick), end; it != end; ++it) {
        const double pixel = std::stod((*it)[axis == "xtick" ? 1 : 2]) - (axis == "ytick" ? 4 : 0);
        ticks.emplace_back(std::stod((*it)[3]), pixel);
    }
    return ticks;
}

CAxisMap Map(const std::string& svg, const std::string& axis) {
    const auto ticks = Ticks(svg, axis);
    return {ticks.front().first, ticks.front().second, ticks.back().first, ticks.back().second};
}

// Centre of the unknown's diamond, as plot values.
bool bMarker(const std::string& svg, const std::string& label, double& x, double& y) {
    const std::regex diamond(
        "<path class=\"unknown[^\"]*\" d=\"M ([-0-9.]+),([-0-9.]+) [^\"]*\">"
        "<title>" +
        label + "</title>");
    std::smatch match;
    if (!std::regex_search(svg, match, diamond)) {
        return false;
    }
    x = Map(svg, "xtick").dValue(std::stod(match[1]));
    y = Map(svg, "ytick").dValue(std::stod(match[2]));
    return true;
}

std::string sPlotOf(const CExecutedRun& run) {
    return sSvgPlot(run.Run().Report().m_Plot, 600, 450);
}

}  // namespace

TEST(CalibrationPlot, UnknownsSitAtTheUsedReadingAndTheConcentrationBeforeCorrections) {
    const CExecutedRun iron("one-wavelength.json");
    ASSERT_TRUE(iron.bOk()) << iron.m_sProblem;
    const std::string svg = sPlotOf(iron);
    double x = 0.0;
    double y = 0.0;
    // Spinach digest: mean 0.356333, blank 0.010, y0 = A0 = 0.00518056; reported 2.787 mg/g
    // after x 2 / 1.25, so 1.7421 mg/L in the cuvette: (0.356333 - 0.010) / 0.198802.
    ASSERT_TRUE(bMarker(svg, "3 Spinach digest", x, y));
    EXPECT_NEAR(x, 1.742102, 2e-3);
    EXPECT_NEAR(y, 0.351514, 2e-4);  // 0.356333 - 0.010 + 0.00518056
    ASSERT_TRUE(bMarker(svg, "2 River water", x, y));
    EXPECT_NEAR(y, 1.736847, 2e-4);  // 1.741667 - 0.010 + 0.00518056, beyond the top standard
    EXPECT_NE(svg.find(">2 River water HIGH</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Abs (blank corrected)</text>"), std::string::npos);
    EXPECT_NE(svg.find("class=\"extension\""), std::string::npos);  // dashed up to the river water
    EXPECT_NE(svg.find(">upper limit</text>"), std::string::npos);
    // Manual calibration: the fertiliser read 0.416, 0.414 less the blank's 0.014 = 0.402 Abs.
    const CExecutedRun manual("manual-calibration.json");
    const std::string manualSvg = sPlotOf(manual);
    ASSERT_TRUE(bMarker(manualSvg, "3 Fertiliser runoff, 1:5", x, y));
    EXPECT_NEAR(y, 0.402, 2e-4);
    EXPECT_NEAR(x, 0.7437, 2e-3);  // 0.402 * 1.85, before the dilution of 5
    EXPECT_EQ(manualSvg.find("Standard mean"),
              std::string::npos);  // the legend: only what is drawn
}

TEST(CalibrationPlot, AWildSampleSitsAtTheEdgeAndLeavesTheAxesToTheCalibration) {
    // The protein calibration reaches 1500 ug/mL at 0.836 Abs; a clotted sample reads 2.45 Abs.
    std::string text = sFileText(sExample("second-order-conc-from-reading.json"));
    text.replace(text.find("\"unknowns\": ["), 13,
                 "\"unknowns\": [{\"name\": \"Clotted\", \"readings\": [[2.4], [2.5]]},");
    const CScratchDir dir;
    const auto file = dir.Write("protein.json", text);
    CRunFile run;
    CRunError error;
    ASSERT_TRUE(bReadRunFile(file, run, error)) << error.sMessage();
    CQuantitationRun quantitation(run);
    std::string problem;
    ASSERT_TRUE(quantitation.bExecute(problem)) << problem;
    const std::string svg = sSvgPlot(quantitation.Report().m_Plot, 600, 450);
    const auto xTicks = Ticks(svg, "xtick");
    const auto yTicks = Ticks(svg, "ytick");
    // Standards span 0 to 1500 ug/mL and 0.10 to 0.84 Abs; a margin of a few ticks at most.
    EXPECT_GE(xTicks.front().first, 0.0);
    EXPECT_LE(xTicks.back().first, 2000.0);
    EXPECT_GE(yTicks.front().first, -0.2);
    EXPECT_LE(yTicks.back().first, 1.2);
    double x = 0.0;
    double y = 0.0;
    ASSERT_TRUE(bMarker(svg, "1 Clotted", x, y));
    EXPECT_LE(y, yTicks.back().first);  // drawn at the edge, with an arrow and its values
    EXPECT_NE(svg.find("class=\"arrow\""), std::string::npos);
    EXPECT_NE(svg.find("1 Clotted HIGH (c = "), std::string::npos);
    EXPECT_NE(svg.find(", y = 2.450)"), std::string::npos);
}

TEST(CalibrationPlot, ResidualsAreTheReadingsLessTheCurveAndLabelsStayInside) {
    const CExecutedRun iron("one-wavelength.json");
    const CReport report = iron.Run().Report();
    ASSERT_EQ(report.m_Residuals.m_vPoints.size(), 15u);
    // Fe 8, replicate 3: 1.602 - (0.00518056 + 0.19880197 * 8) = 0.0064037.
    EXPECT_NEAR(report.m_Residuals.m_vPoints[14].y, 0.0064037, 1e-6);
    const std::string svg = sSvgPlot(report.m_Plot, 600, 450);
    const std::regex label("<text class=\"marker\" x=\"([-0-9.]+)\"[^>]*>([^<]*)</text>");
    for (std::sregex_iterator it(svg.begin(), svg.end(), label), end; it != end; ++it) {
        const double left = std::stod((*it)[1]);
        EXPECT_GE(left, 0.0) << (*it)[2];
        EXPECT_LE(left + 6.8 * static_cast<double>((*it)[2].length()), 600.0) << (*it)[2];
    }
}
