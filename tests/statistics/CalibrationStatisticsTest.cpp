#include <gtest/gtest.h>

#include <vector>

#include "calibration/MeasuredStandards.h"
#include "photoquant.h"
#include "unknowns/UnknownsTestSupport.h"

using namespace photoquant;

namespace {

// A published textbook example: standards of 0 to 12 pg/mL, one reading each.
std::unique_ptr<CUVStandardData> pTextbookStandards() {
    auto doc = pMeasuredStandards(
        {{0, {2.1}}, {2, {5.0}}, {4, {9.0}}, {6, {12.6}}, {8, {17.3}}, {10, {21.0}}, {12, {24.7}}},
        0);
    vCalibrateAs(*doc, 1, 0);
    return doc;
}

void vSwitchAmountCorrectionOn(CUVUnknownData& unknowns) {
    auto* pInst = new CUVInstrParameters;
    pInst->m_bConcCorrect = 1;
    unknowns.vSetInstParam(pInst);
    unknowns.vSetConcRevision(1);
}

}  // namespace

// The fit's own figures on these standards are compared with statsmodels in ReferenceValuesTest;
// here the unknowns' intervals, which add the document's results and dilutions.
TEST(CalibrationStatistics, TextbookExampleFromTheStandardsToTheUnknownsResults) {
    auto standards = pTextbookStandards();
    const CCalibrationStatistics stats(*standards);
    ASSERT_EQ(stats.iGetStatus(), kStatisticsReady);

    // Three samples read 2.9, 13.5 and 23.0; the third was diluted twofold.
    CUVUnknownData unknowns(0, 3, 1, 1, 1);
    unknowns.vSetResultType(1);
    vFeed(unknowns, {2.9, 13.5, 23.0});
    vSwitchAmountCorrectionOn(unknowns);
    unknowns.vSetDilutionRatio(2, 2.0);
    unknowns.vCalcConc(standards->pGetCalibList());
    const std::vector<CSampleInterval> intervals = stats.SampleIntervals(unknowns);
    ASSERT_EQ(intervals.size(), 3u);
    const double published[3][2] = {{0.72, 0.26}, {6.21, 0.24}, {11.13, 0.26}};  // x0, s_x0
    for (int i = 0; i < 3; ++i) {
        const CSampleInterval& result = intervals[static_cast<size_t>(i)];
        const double f = i == 2 ? 2.0 : 1.0;
        ASSERT_EQ(result.iStatus, kIntervalReady) << i;
        EXPECT_EQ(result.iReplicates, 1);
        EXPECT_EQ(result.dConc, dPointConc(unknowns, i));  // centred on the document's result
        EXPECT_NEAR(result.dConc, f * published[i][0], f * 0.005) << i;
        EXPECT_NEAR(result.dStdError, f * published[i][1], f * 0.005) << i;
        // the single reading's interval, scaled by the dilution
        EXPECT_NEAR(result.dStdError, f * stats.ConcentrationAt(result.dMeanReading, 1).dStdError,
                    1e-12)
            << i;
        // t(0.975, 5) = 2.5705818356363
        EXPECT_NEAR(result.dUpper - result.dConc, 2.5705818356363 * result.dStdError, 1e-12);
        EXPECT_NEAR(result.dConc - result.dLower, 2.5705818356363 * result.dStdError, 1e-12);
    }
}

TEST(CalibrationStatistics, EachWeightingWeighsThePointsNormalisedToTheirNumber) {
    // Concentrations 1, 2, 4 reading 0.1, 0.25, 0.4: w ~ 1/v(x, y), scaled to sum to 3.
    const double expected[4][3] = {
        {3 / 1.75, 1.5 / 1.75, 0.75 / 1.75},           // 1/x: 1, 1/2, 1/4
        {3 / 1.3125, 0.75 / 1.3125, 0.1875 / 1.3125},  // 1/x²: 1, 1/4, 1/16
        {30 / 16.5, 12 / 16.5, 7.5 / 16.5},            // 1/y: 10, 4, 2.5
        {300 / 122.25, 48 / 122.25, 18.75 / 122.25}};  // 1/y²: 100, 16, 6.25
    for (int weighting = kWeightInverseConc; weighting <= kWeightInverseReadingSquared;
         ++weighting) {
        auto doc = pMeasuredStandards({{1, {0.1}}, {2, {0.25}}, {4, {0.4}}}, 0);
        doc->vSetWeighting(weighting);
        vCalibrateAs(*doc, 1, 0);
        const CCalibrationStatistics stats(*doc);
        ASSERT_EQ(stats.iGetStatus(), kStatisticsReady) << weighting;
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(stats.GetPoints()[i].dWeight, expected[weighting - 1][i], 1e-12)
                << weighting << ", " << i;
        }
    }
}

TEST(CalibrationStatistics, StatusesSayWhyAFigureOrAnIntervalIsMissing) {
    auto line = pMeasuredStandards({{1, {0.1}}, {2, {0.2}}, {3, {0.3}}}, 0);
    vCalibrateAs(*line, 4, 0);
    EXPECT_EQ(CCalibrationStatistics(*line).iGetStatus(), kStatisticsNotPolynomial);
    vCalibrateAs(*line, 2, 1);  // through zero: two coefficients, one degree of freedom left
    EXPECT_EQ(CCalibrationStatistics(*line).iGetStatus(), kStatisticsReady);
    vCalibrateAs(*line, 2, 0);  // three coefficients for three points
    EXPECT_EQ(CCalibrationStatistics(*line).iGetStatus(), kStatisticsNoDegreesOfFreedom);
    line->vSetWeighting(kWeightInverseVariance);  // one replicate each: refused
    vCalibrateAs(*line, 1, 0);
    EXPECT_EQ(CCalibrationStatistics(*line).iGetStatus(), kStatisticsNoCalibration);
    CStatisticsSettings settings;
    settings.dConfidence = 1.0;
    EXPECT_EQ(CCalibrationStatistics(*line, settings).iGetStatus(), kStatisticsBadSettings);

    auto standards = pTextbookStandards();
    standards->vSetWeighting(kWeightInverseReading);  // not yet calibrated with it
    EXPECT_EQ(CCalibrationStatistics(*standards).iGetStatus(), kStatisticsOutOfDate);
    standards->vSetWeighting(kWeightNone);
    const CCalibrationStatistics stats(*standards);

    // A blank, a sample of two replicates, one never measured, one weighed as 0 g.
    CUVUnknownData unknowns(0, 4, 2, 1, 1);
    unknowns.vSetResultType(1);
    unknowns.vSetSampleNo(0, 0);
    unknowns.vSetConc0Data(standards->dGetBlkData());
    vFeed(unknowns, {0.3, 0.3, 5.0, 5.2});
    unknowns.vSkipData();
    unknowns.vSkipData();
    vFeed(unknowns, {9.0, 9.0});
    vSwitchAmountCorrectionOn(unknowns);
    unknowns.vSetWeightSetting(3, 0.0);
    unknowns.vCalcConc(standards->pGetCalibList());
    const std::vector<CSampleInterval> intervals = stats.SampleIntervals(unknowns);
    EXPECT_EQ(intervals[0].iStatus, kIntervalBlank);
    ASSERT_EQ(intervals[1].iStatus, kIntervalReady);
    EXPECT_EQ(intervals[1].iReplicates, 2);
    // Blank-corrected: 5.1 − 0.3 + the reading at zero concentration
    EXPECT_NEAR(intervals[1].dMeanReading, 4.8 + standards->dGetBlkData(), 1e-12);
    EXPECT_EQ(intervals[2].iStatus, kIntervalNotMeasured);
    EXPECT_EQ(intervals[3].iStatus, kIntervalNoResult);  // "*****"
    // A curve calibrated since: the sample's results are not those of the new curve.
    standards->vSetWeighting(kWeightInverseReading);
    standards->vCalibrate();
    EXPECT_EQ(CCalibrationStatistics(*standards).SampleInterval(unknowns, 1).iStatus,
              kIntervalOtherCalibration);
}

TEST(CalibrationStatistics, GrubbsFlagsOnlyAReplicateBeyondTheCriticalValue) {
    // Two-sided 5 % critical values of the published tables: n = 3 1.1543, n = 10 2.2900.
    // 10.0, 10.1, 10.9: mean 10.3333, sd 0.49329, G = 0.56667 / 0.49329 = 1.14875
    const CGrubbsResult three = GrubbsTest({10.0, 10.1, 10.9});
    EXPECT_NEAR(three.dCritical, 1.1543, 5e-5);
    EXPECT_NEAR(three.dStatistic, 1.14875, 5e-6);
    EXPECT_EQ(three.iSuspect, 2);
    EXPECT_EQ(three.bOutlier, 0);
    const CGrubbsResult ten = GrubbsTest({1.0, 1.1, 0.9, 1.05, 0.95, 1.02, 0.98, 1.01, 0.99, 2.0});
    EXPECT_NEAR(ten.dCritical, 2.2900, 5e-5);
    EXPECT_EQ(ten.iSuspect, 9);
    EXPECT_EQ(ten.bOutlier, 1);
    EXPECT_EQ(GrubbsTest({1.0, 2.0}).iSuspect, -1);
    EXPECT_EQ(GrubbsTest({1.0, 1.0, 1.0}).dStatistic, kNoValue);
}
