#include <gtest/gtest.h>

#include <cmath>

#include "AppTestSupport.h"
#include "host/OutputFiles.h"
#include "host/ReportWriters.h"

namespace {

bool bParse(const std::string& text, CRunFile& run, CRunError& error) {
    return bParseRunFile(text, "run.json", ".", run, error);
}

std::string sProblem(const std::string& text) {
    CRunFile run;
    CRunError error;
    return bParse(text, run, error) ? std::string() : error.m_sWhere + ": " + error.m_sProblem;
}

const std::string kOneWave =
    R"("quantitation": "wavelength", "wavelengths": [510], "replicates": 2)";

}  // namespace

TEST(RunFileReader, ReadingsBecomeTransmittancesAndUnknownsAreNumberedPastTheBlanks) {
    CRunFile run;
    CRunError error;
    ASSERT_TRUE(bParse(R"({"reading_unit": "Abs", "method": {"quantitation": "wavelength",
        "wavelengths": [510], "replicates": 2, "manual_calibration": {"order": 1,
        "coefficients": [0, 2]}}, "unknowns": [
        {"name": "B", "blank": true, "readings": [[1.0], [0.0]]},
        {"name": "S", "readings": [[0.5], null]},
        {"name": "T", "sample_number": 7, "readings": [[2], [3]]},
        {"name": "U", "readings": [[2], [3]]}]})",
                       run, error))
        << error.sMessage();
    EXPECT_FALSE(run.m_Settings.m_iDirection.has_value());  // left to the profile
    EXPECT_EQ(run.m_vUnknowns[0].m_iSampleNo, 0);
    EXPECT_EQ(run.m_vUnknowns[1].m_iSampleNo, 1);
    EXPECT_EQ(run.m_vUnknowns[2].m_iSampleNo, 7);
    EXPECT_EQ(run.m_vUnknowns[3].m_iSampleNo, 2);  // numbered by position among the samples
    EXPECT_DOUBLE_EQ(run.m_vUnknowns[0].m_vPoints[0].m_vdTransmittance[0], 0.1);  // 10^-1
    EXPECT_DOUBLE_EQ(run.m_vUnknowns[0].m_vPoints[1].m_vdTransmittance[0], 1.0);  // 10^-0
    EXPECT_EQ(run.m_vUnknowns[1].m_vPoints[1].m_eKind, CPointEntry::EKind::kSkipped);
    EXPECT_FALSE(run.m_Settings.m_bAmountCorrection);

    CRunFile percent;
    ASSERT_TRUE(bParse(R"({"reading_unit": "%T", "method": {)" + kOneWave +
                           R"(, "manual_calibration": {"order": 1, "coefficients": [0, 2]}},
                           "unknowns": [{"dilution": 5, "readings": [[25], [0]]}]})",
                       percent, error));
    EXPECT_DOUBLE_EQ(percent.m_vUnknowns[0].m_vPoints[0].m_vdTransmittance[0], 0.25);
    EXPECT_DOUBLE_EQ(percent.m_vUnknowns[0].m_vPoints[1].m_vdTransmittance[0], 0.0);
    EXPECT_TRUE(percent.m_Settings.m_bAmountCorrection);
}

TEST(RunFileReader, SettingsThatContradictTheAnalysisAreRefused) {
    const std::string unknowns = R"(, "unknowns": [{"readings": [[50], [50]]}]})";
    EXPECT_EQ(sProblem(R"({"reading_unit": "%T", "method": {)" + kOneWave + "}" + unknowns),
              "/method/result: a concentration result needs standards with a calibration type, "
              "or a manual calibration");
    EXPECT_EQ(sProblem(R"({"reading_unit": "%T", "method": {)" + kOneWave +
                       R"(, "result": "ratio"})" + unknowns),
              "/method/result: a ratio result goes with ratio quantitation and only with it");
    EXPECT_EQ(sProblem(R"({"reading_unit": "%T", "method": {"quantitation": "ratio",
                       "wavelengths": [260], "replicates": 2})" +
                       unknowns),
              "/method/wavelengths: ratio quantitation takes 2 to 3 wavelengths, found 1");
    EXPECT_EQ(sProblem(R"({"reading_unit": "%T", "method": {)" + kOneWave +
                       R"(, "result": "readings", "peak": {"apex": 1, "range": 1}})" + unknowns),
              "/method/peak: used only by peak area and peak height quantitation");
    EXPECT_EQ(sProblem(R"({"reading_unit": "%T", "method": {)" + kOneWave +
                       R"(, "result": "readings", "limits": {"lower": 5, "upper": 1}})" + unknowns),
              "/method/limits: the lower limit lies above the upper limit");
    EXPECT_EQ(sProblem(R"({"reading_unit": "%T", "method": {)" + kOneWave +
                       R"(, "result": "readings"}, "unknowns": [{"blank": true,
                       "sample_number": 2, "readings": [[50], [50]]}]})"),
              "/unknowns/0/sample_number: a blank has no sample number");
    EXPECT_EQ(sProblem(R"({"reading_unit": "%T", "method": {)" + kOneWave +
                       R"(, "result": "readings"}, "unknowns": [{"readings": [[50],
                       {"manual": 0.3}]}]})"),
              "/unknowns/0/readings/1: typed-in values are taken for standards only");
    EXPECT_EQ(sProblem(R"({"reading_unit": "%T", "method": {)" + kOneWave +
                       R"(, "result": "readings", "stage": {"positions": [[0, 0], [1, 0]]}},
                       "unknowns": [{"readings": [[50], [50], [50]]}]})"),
              "/unknowns/0/readings: expected 2 points (one per stage position), found 3");
}

TEST(RunFileReader, SpectraOfOneRunShareTheFirstSpectrumsScanAndEachFileIsReadOnce) {
    const CScratchDir dir;
    dir.Write("a.csv",
              "\xEF\xBB\xBF"
              "400,0.1\n401,0.3\n402,0.2\n");  // ascending, byte-order mark
    dir.Write("b.csv", "402,0.1\n401,0.3\n400,0.2\n399,0.1\n");
    const std::string method = R"({"method": {"quantitation": "peak height", "replicates": 2,
        "peak": {"apex": 401, "range": 1}, "manual_calibration": {"order": 1,
        "coefficients": [0, 1]}}, "unknowns": [)";
    CRunFile run;
    CRunError error;
    ASSERT_TRUE(bReadRunFile(dir.Write("run.json", method + R"({"readings": ["a.csv", "./a.csv"]},
        {"readings": ["a.csv", null]}]})"),
                             run, error))
        << error.sMessage();
    const CSpectrum& first = *run.m_vUnknowns[0].m_vPoints[0].m_pSpectrum;
    EXPECT_DOUBLE_EQ(first.m_dStartWL, 402.0);  // stored from 402 down
    EXPECT_DOUBLE_EQ(first.m_dInterval, 1.0);
    EXPECT_EQ(first.m_vdValues, (std::vector<double>{0.2, 0.3, 0.1}));
    EXPECT_EQ(run.m_vUnknowns[0].m_vPoints[1].m_pSpectrum.get(), &first);
    EXPECT_EQ(run.m_vUnknowns[1].m_vPoints[0].m_pSpectrum.get(), &first);
    EXPECT_EQ(run.m_vInputs.size(), 2u);  // the run file and a.csv

    CRunFile mixed;
    ASSERT_FALSE(bReadRunFile(
        dir.Write("run.json", method + R"({"readings": ["a.csv", "b.csv"]}]})"), mixed, error));
    EXPECT_EQ(error.m_sWhere, "/unknowns/0/readings/1");
    EXPECT_EQ(error.m_sProblem, (dir.Path() / "b.csv").string() +
                                    " is not scanned over the wavelengths of the first spectrum "
                                    "(3 points from 402.00 nm down by 1.00 nm)");
}

TEST(ReportFiles, PlotAxesTickAtRoundNumbersOverTheData) {
    CCalibrationPlot plot;
    plot.m_sXLabel = "Concentration (mg/L)";
    plot.m_sYLabel = "Abs";
    plot.m_vCurve = {{0.0, 0.0}, {8.7, 1.74}};  // x to 10 in steps of 2, y to 2.0 in steps of 0.5
    plot.m_Window.vTake(0.0, 0.0);
    plot.m_Window.vTake(8.7, 1.74);
    const std::string svg = sSvgPlot(plot, 600, 400);
    for (const char* tick :
         {">0</text>", ">2</text>", ">10</text>", ">0.0</text>", ">1.5</text>", ">2.0</text>"}) {
        EXPECT_NE(svg.find(tick), std::string::npos) << tick;
    }
    EXPECT_EQ(svg.find(">12</text>"), std::string::npos);
    EXPECT_EQ(svg.find(">2.5</text>"), std::string::npos);
}
