#include <gtest/gtest.h>

#include "AppTestSupport.h"

namespace {

const char* const kExampleFiles[] = {"one-wavelength.json",
                                     "two-wavelengths.json",
                                     "three-wavelengths-baseline.json",
                                     "segmented-through-zero.json",
                                     "second-order-conc-from-reading.json",
                                     "ratio-k-factors.json",
                                     "manual-calibration.json",
                                     "peak-area.json",
                                     "peak-height.json",
                                     "derivative.json",
                                     "xy-stage.json",
                                     "validation-accuracy.json"};

std::string sCell(const CListCtrl& list, int row, int column) {
    return list.GetItemText(row, column);
}

}  // namespace

TEST(Examples, EveryExampleRunsAndReportsItsUnknowns) {
    for (const char* name : kExampleFiles) {
        const CProgramResult result = RunProgram("run '" + sExample(name) + "'");
        EXPECT_EQ(result.m_iExit, 0) << name << ": " << result.m_sErr;
        EXPECT_NE(result.m_sOut.find("\nUnknowns\n--------\n"), std::string::npos) << name;
        // Every run says what the statistics of its calibration are, or why there are none.
        EXPECT_NE(result.m_sOut.find("\nCalibration statistics\n----------------------\n"),
                  std::string::npos)
            << name;
        EXPECT_EQ(result.m_sErr, "") << name;
    }
}

TEST(Examples, BuiltInIronExampleReadsTheUnknownsOffTheFittedLine) {
    // numpy.polyfit over the 15 replicates: A = 0.00518056 + 0.198802 c.
    const CExecutedRun iron("one-wavelength.json");
    ASSERT_TRUE(iron.bOk()) << iron.m_sProblem;
    const CCalibSegment* pLine = iron.Run().Standards().pGetCalibList()->GetAt(0);
    EXPECT_NEAR(pLine->m_dCoeff[0], 0.00518056, 1e-8);
    EXPECT_NEAR(pLine->m_dCoeff[1], 0.19880197, 1e-8);

    const CUVUnknownData& unknowns = iron.Run().Unknowns();
    // The blank's last replicate (0.010) replaces the curve's y0: c = (y - 0.010) / b.
    EXPECT_NEAR(unknowns.dGetMeanConc(1), 2.526803, 1e-6);  // (0.512333 - 0.010) / 0.198802
    EXPECT_NEAR(unknowns.dGetSD(1), 0.0126589, 1e-6);       // sd(0.512, 0.515, 0.510) / 0.198802
    EXPECT_NEAR(unknowns.dGetMeanConc(3), 2.787363, 1e-6);  // (0.356333 - 0.010) / b * 2 / 1.25

    const CListCtrl& list = iron.Run().UnknownList();
    EXPECT_EQ(sCell(list, 0, 0), "BLK Reagent blank");  // a blank shows its first replicate only
    EXPECT_EQ(sCell(list, 1, 3), "2.525");              // (0.512 - 0.010) / 0.198802
    EXPECT_EQ(sCell(list, 3, 4), "2.527 [0.0126589][0.500989]");
    // CV of the rounded values, 0.01767 / 8.711; the mean lies above the 8 mg/L limit.
    EXPECT_EQ(sCell(list, 6, 4), "8.711 [0.0176652][0.202847] HIGH");
}

TEST(Examples, BuiltInExampleIsTheOneWavelengthRunFile) {
    const CProgramResult builtIn = RunProgram("");
    const CProgramResult fromFile = RunProgram("run '" + sExample("one-wavelength.json") + "'");
    ASSERT_EQ(builtIn.m_iExit, 0);
    EXPECT_EQ(builtIn.m_sOut.rfind("Iron(II) with 1,10-phenanthroline at 510 nm\n", 0), 0u);
    EXPECT_EQ(builtIn.m_sOut.substr(builtIn.m_sOut.find("\nMeasurement conditions")),
              fromFile.m_sOut.substr(fromFile.m_sOut.find("\nMeasurement conditions")));
}

TEST(Examples, RatioSubtractsTheBackgroundAndAppliesTheKFactors) {
    const CExecutedRun ratio("ratio-k-factors.json");
    ASSERT_TRUE(ratio.bOk()) << ratio.m_sProblem;
    EXPECT_NEAR(ratio.Run().Unknowns().dGetRatio(0, 0), 1.9132653, 1e-6);  // 0.900 / (0.480 * 0.98)
    EXPECT_NEAR(ratio.Run().Unknowns().dGetRatio(2, 1), 1.5357658, 1e-6);  // 0.447 / (0.297 * 0.98)
    EXPECT_EQ(sCell(ratio.Run().UnknownList(), 0, 5), "1.91327");
    EXPECT_EQ(sCell(ratio.Run().UnknownCalibList(), 3, 1), "0.9800");  // K-Factor 2
}

TEST(Examples, ManualCalibrationSubtractsTheBlankAndCorrectsTheDilution) {
    const CExecutedRun manual("manual-calibration.json");
    ASSERT_TRUE(manual.bOk()) << manual.m_sProblem;
    const CListCtrl& list = manual.Run().UnknownList();
    EXPECT_EQ(sCell(list, 1, 3), "0.444");                            // (0.254 - 0.014) * 1.85
    EXPECT_EQ(sCell(list, 3, 3), "0.148");                            // (0.094 - 0.014) * 1.85
    EXPECT_EQ(sCell(list, 5, 3), "3.700");                            // (0.414 - 0.014) * 1.85 * 5
    EXPECT_NEAR(manual.Run().Unknowns().dGetSD(3), 0.0261630, 1e-6);  // (3.737 - 3.700) / sqrt(2)
    const std::string mean = sCell(list, 6, 4);
    EXPECT_EQ(mean.substr(mean.size() - 5), " HIGH");  // above the 1.5 mg/L limit
}

TEST(Examples, SegmentedCalibrationInterpolatesBetweenStandardMeansFromTheOrigin) {
    const CExecutedRun segmented("segmented-through-zero.json");
    ASSERT_TRUE(segmented.bOk()) << segmented.m_sProblem;
    EXPECT_EQ(segmented.Run().Standards().pGetCalibList()->GetSize(), 4);  // origin + 3
    const CListCtrl& list = segmented.Run().UnknownList();
    EXPECT_EQ(sCell(list, 0, 3), "6.7");   // 0.030 / 0.045 * 10 on the origin segment
    EXPECT_EQ(sCell(list, 2, 3), "37.5");  // 25 + (0.162 - 0.110) / (0.214 - 0.110) * 25
    EXPECT_EQ(sCell(list, 4, 3), "75.1");  // 50 + (0.310 - 0.214) / (0.405 - 0.214) * 50
}

TEST(Examples, AccuracyCheckListsReadingsDifferencesAndTheVerdict) {
    const CExecutedRun check("validation-accuracy.json");
    ASSERT_TRUE(check.bOk()) << check.m_sProblem;
    const CListCtrl& list = check.Run().UnknownList();
    EXPECT_EQ(sCell(list, 0, 1), "0.5020");
    EXPECT_EQ(sCell(list, 0, 4), "Pass");
    EXPECT_EQ(sCell(list, 4, 3), "+0.0008");  // 0.5020 - 0.5012 at 440 nm
    EXPECT_EQ(sCell(list, 7, 3), "-0.0012");  // 0.9975 - 0.9987 at 546.1 nm
    EXPECT_EQ(sCell(list, 11, 0), "Photometric accuracy");
    EXPECT_EQ(sCell(list, 11, 1), "Pass");
}

TEST(Examples, ProfileCalibrationOptionSetsTheDirectionOfARunWithoutOne) {
    // Direction 0 fits the reading from the concentration: slope about 0.77 Abs per mg/L.
    const CScratchDir dir;
    const auto profile = dir.Write("lab.ini", "[Default]\nPhotometry Calibration Type=0\n");
    const CProgramResult result = RunProgram("--profile '" + profile.string() + "' run '" +
                                             sExample("two-wavelengths.json") + "'");
    ASSERT_EQ(result.m_iExit, 0) << result.m_sErr;
    const auto line = result.m_sOut.find("\nA1:");
    ASSERT_NE(line, std::string::npos);
    std::istringstream value(result.m_sOut.substr(line + 4));
    double slope = 0.0;
    value >> slope;
    EXPECT_NEAR(slope, 0.77, 0.01);
}
