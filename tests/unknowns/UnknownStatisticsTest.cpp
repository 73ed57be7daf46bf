#include <gtest/gtest.h>

#include <cmath>

#include "UnknownsTestSupport.h"

using namespace photoquant;

TEST(UnknownStatistics, ReplicatesCondenseToTheirMeanAndSampleSD) {
    CUVUnknownData doc(0, 3, 3, 1, 1);
    vUseManualLine(doc, 0.0, 1.0);  // concentration = reading
    doc.vSetStatisticalMode(1);
    vFeed(doc, {0.10, 0.12, 0.14, 0.2, 0.2, 0.2, 0.3});
    doc.vSkipData();
    doc.vSkipData();  // the last replicate of sample 2 is not measured: statistics still run
    EXPECT_NEAR(doc.dGetConc(0), 0.12, 1e-12);
    EXPECT_NEAR(doc.dGetMeanConc(0), 0.12, 1e-12);
    EXPECT_NEAR(doc.dGetSD(0), 0.02, 1e-9);  // sqrt((0.044 - 0.36^2 / 3) / 2)
    EXPECT_EQ(doc.dGetSD(1), kNoValue);      // identical replicates: no spread
    EXPECT_NEAR(doc.dGetMeanConc(2), 0.3, 1e-12);
    EXPECT_EQ(doc.dGetSD(2), kNoValue);  // one measured replicate
    doc.vSetStatisticalMode(0);
    doc.vSetCoeff(1, 2.0);
    doc.vCalcConc();
    EXPECT_NEAR(doc.dGetConc(0), 0.12, 1e-12);  // points recomputed, statistics left alone
}

TEST(UnknownStatistics, GroupsOfTwoSkipBlanksAndExcludedSamplesAndDropAnIncompleteTail) {
    CUVUnknownData doc(0, 5, 1, 1, 1);
    vUseManualLine(doc, 0.0, 1.0);
    doc.vSetStatisticalMode(1);
    doc.vSetStatisticsNum(2);
    doc.vSetSampleNo(1, 0);   // blank
    doc.vSetSampleNo(3, -1);  // excluded
    vFeed(doc, {0.1, 0.9, 0.3, 0.7, 0.5});
    EXPECT_EQ(doc.dGetConc(1), 0.0);
    EXPECT_EQ(doc.dGetSD(1), -1.0);
    EXPECT_EQ(doc.dGetSD(0), -1.0);  // the group closes at sample 2
    EXPECT_NEAR(doc.dGetMeanConc(2), 0.2, 1e-12);
    EXPECT_NEAR(doc.dGetSD(2), std::sqrt(0.02), 1e-9);  // (0.01 + 0.09) - 0.4^2 / 2 = 0.02
    EXPECT_EQ(doc.dGetSD(4), -1.0);                     // alone in its group: nothing stored
    EXPECT_EQ(doc.dGetMeanConc(4), 0.0);

    doc.vMoveSDData(0);
    EXPECT_NEAR(doc.dGetSD(2), std::sqrt(0.02), 1e-9);
    doc.vMoveSDData(2);  // a sample inserted at 2: its SD entry moves to 3
    EXPECT_EQ(doc.dGetSD(2), -1.0);
    EXPECT_NEAR(doc.dGetSD(3), std::sqrt(0.02), 1e-9);
}

TEST(UnknownStatistics, CoefficientOfVariationNeedsAUsableNonZeroMean) {
    EXPECT_EQ(CUVUnknownData::dCalcCV(0.0, 0.1), kNoValue);
    EXPECT_EQ(CUVUnknownData::dCalcCV(1e-20, 0.1), kNoValue);
    EXPECT_EQ(CUVUnknownData::dCalcCV(kNoValue, 0.1), kNoValue);
    EXPECT_EQ(CUVUnknownData::dCalcCV(1e-5, 1e302), kNoValue);  // 1e307 % would overflow
    EXPECT_DOUBLE_EQ(CUVUnknownData::dCalcCV(2.0, 0.1), 5.0);   // 0.1 / 2 * 100
    EXPECT_DOUBLE_EQ(CUVUnknownData::dCalcCV(-2.0, 0.1), -5.0);
}

TEST(UnknownRatio, TwoWavelengthRatioTakesKFactorsAndEachOperand) {
    CUVUnknownData doc(0, 1, 1, 2, 2);
    doc.vSetResultType(2);
    iFeedPoint(doc, {2.0, 1.0});
    EXPECT_NEAR(doc.dGetRatio(0, 0), 2.0, 1e-12);  // 2 / 1, times K0 = 1
    doc.vSetKFactor(1, 3.0);
    doc.vSetKFactor(2, 2.0);
    doc.vSetKFactor(0, 0.5);
    const double expected[4] = {3.5, 2.5, 1.5, 3.0};  // (2*3)/(1*2) = 3, then +, -, * 0.5, as is
    for (int operand = 0; operand < 4; ++operand) {
        doc.vSetRatioOperand(operand);
        doc.vCalcRatio();
        EXPECT_NEAR(doc.dGetRatio(0, 0), expected[operand], 1e-12) << operand;
    }
    doc.vSetRemeasureMode(0, 0, -1);
    iFeedPoint(doc, {1.0, 1.0});  // remeasured: (1*3)/(1*2) = 1.5, as is
    EXPECT_NEAR(doc.dGetRatio(0, 0), 1.5, 1e-12);
}

TEST(UnknownRatio, ThirdWavelengthIsTheBackgroundAndRatiosFeedTheStatistics) {
    CUVUnknownData doc(0, 1, 1, 3, 3);
    doc.vSetResultType(2);
    doc.vSetStatisticalMode(1);
    iFeedPoint(doc, {2.0, 3.0, 1.0});
    EXPECT_NEAR(doc.dGetRatio(0, 0), 0.5, 1e-12);  // (2 - 1) / (3 - 1)
    EXPECT_NEAR(doc.dGetConc(0), 0.5, 1e-12);
    EXPECT_EQ(doc.dGetRatio(0, 1), kNoValue);
}
