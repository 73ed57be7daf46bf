#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "MeasuredStandards.h"
#include "calibration/CalibWeighting.h"
#include "contracts/scankit/UVWaveData.h"
#include "document/PhotometricNumbers.h"

using namespace photoquant;

namespace {

constexpr double kTol = 1e-9;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const CCalibSegment& Segment(CUVStandardData& doc, int i) {
    return *doc.pGetCalibList()->GetAt(i);
}

// A fit the standards must give: the curve asked for (order, direction, through zero or not), its
// coefficients c0 upward, the concentration range it covers and the blank value it leaves.
struct CExpectedFit {
    int iOrder = 1;
    int iDirection = kReadingFromConc;
    bool bForceZero = false;
    std::vector<double> coeff;
    double dConcLow = 0.0;
    double dConcHigh = 0.0;
    double dBlank = 0.0;
};

// Calibrates by the fit and checks its one segment and the blank value.
void vExpectFit(const std::vector<CStandard>& standards, const CExpectedFit& expected) {
    SCOPED_TRACE(::testing::Message()
                 << "order " << expected.iOrder << " direction " << expected.iDirection
                 << " force zero " << expected.bForceZero);
    auto doc = pMeasuredStandards(standards, expected.iDirection);
    vCalibrateAs(*doc, expected.iOrder, expected.bForceZero ? 1 : 0);
    ASSERT_EQ(doc->pGetCalibList()->GetSize(), 1);
    const CCalibSegment& fit = Segment(*doc, 0);
    for (int i = 0; i <= expected.iOrder; ++i) {
        EXPECT_NEAR(fit.m_dCoeff[i], expected.coeff[static_cast<size_t>(i)], kTol) << i;
    }
    EXPECT_EQ(fit.m_dXMin, expected.dConcLow);
    EXPECT_EQ(fit.m_dXMax, expected.dConcHigh);
    EXPECT_EQ(fit.m_dYMin, -kNoValue);
    EXPECT_EQ(fit.m_dYMax, kNoValue);
    EXPECT_NEAR(fit.m_dR2, 1.0, kTol);
    EXPECT_NEAR(doc->dGetBlkData(), expected.dBlank, kTol);
}

}  // namespace

TEST(StandardData, PolynomialFitOfEachOrderAndDirection) {
    // A = 0.1 c, entered out of order: the range runs over the sorted concentrations, or from 0
    const std::vector<CStandard> line = {{3, {0.3}}, {1, {0.1}}, {2, {0.2}}};
    vExpectFit(line, {.iOrder = 1, .coeff = {0, 0.1}, .dConcLow = 1, .dConcHigh = 3});
    vExpectFit(line,
               {.iOrder = 1, .bForceZero = true, .coeff = {0, 0.1}, .dConcLow = 0, .dConcHigh = 3});
    // c = 10 A: the blank is -c0 / c1
    vExpectFit(line, {.iOrder = 1,
                      .iDirection = kConcFromReading,
                      .coeff = {0, 10},
                      .dConcLow = 1,
                      .dConcHigh = 3});
    // A = 0.05 c + 0.05 c^2 at c = 0..3; c = 10 A + 100 A^2 at A = 0.1..0.4
    vExpectFit({{0, {0}}, {1, {0.1}}, {2, {0.3}}, {3, {0.6}}},
               {.iOrder = 2, .coeff = {0, 0.05, 0.05}, .dConcLow = 0, .dConcHigh = 3});
    vExpectFit(
        {{1, {0.1}}, {2, {0.3}}, {3, {0.6}}},
        {.iOrder = 2, .bForceZero = true, .coeff = {0, 0.05, 0.05}, .dConcLow = 0, .dConcHigh = 3});
    vExpectFit({{2, {0.1}}, {6, {0.2}}, {12, {0.3}}, {20, {0.4}}}, {.iOrder = 2,
                                                                    .iDirection = kConcFromReading,
                                                                    .coeff = {0, 10, 100},
                                                                    .dConcLow = 2,
                                                                    .dConcHigh = 20});
    // A = 0.05 + 0.1 c - 0.01 c^2 + 0.001 c^3 at c = 0..4: the blank is c0
    vExpectFit({{0, {0.05}}, {1, {0.141}}, {2, {0.218}}, {3, {0.287}}, {4, {0.354}}},
               {.iOrder = 3,
                .coeff = {0.05, 0.1, -0.01, 0.001},
                .dConcLow = 0,
                .dConcHigh = 4,
                .dBlank = 0.05});
    // c = 10 A + 1000 A^3 at A = 0.1..0.5 through the origin: the only real root of 0 is 0
    vExpectFit({{2, {0.1}}, {10, {0.2}}, {30, {0.3}}, {68, {0.4}}, {130, {0.5}}},
               {.iOrder = 3,
                .iDirection = kConcFromReading,
                .bForceZero = true,
                .coeff = {0, 10, 0, 1000},
                .dConcLow = 0,
                .dConcHigh = 130});
}

TEST(StandardData, SegmentsJoinTheMeanReadingsOfNeighbouringStandards) {
    // Means 0.1 ((0.05 + 0.15) / 2), 0.2 and 0.4 at 1, 2 and 3, entered out of order.
    auto doc = pMeasuredStandards({{2, {0.2, 0.2}}, {1, {0.05, 0.15}}, {3, {0.3, 0.5}}}, 0);
    vCalibrateAs(*doc, 4, 1);
    ASSERT_EQ(doc->pGetCalibList()->GetSize(), 3);
    // {c0, c1, XMin, XMax, YMin, YMax}: the origin segment first, slopes 0.1/1, 0.1/1, 0.2/1
    const double rows[3][6] = {
        {0, 0.1, 0, 1, 0, 0.1}, {0, 0.1, 1, 2, 0.1, 0.2}, {-0.2, 0.2, 2, 3, 0.2, 0.4}};
    for (int i = 0; i < 3; ++i) {
        const CCalibSegment& segment = Segment(*doc, i);
        const double actual[6] = {segment.m_dCoeff[0], segment.m_dCoeff[1], segment.m_dXMin,
                                  segment.m_dXMax,     segment.m_dYMin,     segment.m_dYMax};
        for (int k = 0; k < 6; ++k) {
            EXPECT_NEAR(actual[k], rows[i][k], kTol) << i << ", " << k;
        }
        EXPECT_EQ(segment.m_iDirection, 0);
        EXPECT_EQ(segment.m_dR, 0.0);
    }
    // Concentration from reading: slopes 1/0.1 from the origin, 1/(0.2 - 0.1), 1/(0.4 - 0.2);
    // c0 = X0 - c1 * Y0
    doc->vSetCalibOpt(1);
    doc->vCalibrate();
    const double concentration[3][2] = {{0, 10}, {0, 10}, {1, 5}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(Segment(*doc, i).m_dCoeff[0], concentration[i][0], kTol) << i;
        EXPECT_NEAR(Segment(*doc, i).m_dCoeff[1], concentration[i][1], kTol) << i;
    }
    vCalibrateAs(*doc, 4, 0);
    EXPECT_EQ(doc->pGetCalibList()->GetSize(), 2);  // no origin segment without force zero
}

TEST(StandardData, EqualReadingsGiveAFlatSegmentAndTheCurveAtABoundUsesTheNextSegment) {
    auto doc = pMeasuredStandards({{1, {0.2}}, {2, {0.2}}, {3, {0.4}}}, 1);
    int bFound = 0;
    EXPECT_EQ(doc->GetPointFromX(2.9, &bFound).y, 0.4);  // no curve yet: the nearest point
    vCalibrateAs(*doc, 4, 0);
    const CCalibSegment& flat = Segment(*doc, 0);
    EXPECT_EQ(flat.m_dCoeff[1], 0.0);
    EXPECT_NEAR(flat.m_dCoeff[0], 1.0, kTol);  // c = 1 - 0 * 0.2
    EXPECT_EQ(flat.m_dYMin, flat.m_dYMax);
    // Second segment c = 1 + 5 A: at c = 2 it gives (2 - 1) / 5; the flat one would give 0.
    bFound = 0;
    EXPECT_NEAR(doc->GetPointFromX(2.0, &bFound).y, 0.2, kTol);
    EXPECT_EQ(bFound, 1);
    EXPECT_EQ(doc->GetPointFromX(1.5, nullptr).y, 0.0);
    EXPECT_NEAR(doc->GetPointFromX(5.0, nullptr).y, 0.8, kTol);  // past the end: the last segment
}

TEST(StandardData, PerStandardResultsCountUnmeasuredStandardsInTheMean) {
    auto doc = pMeasuredStandards({{1, {0.1}}, {2, {0.25}}, {3, {0.3}}, {4, {kNaN}}}, 0);
    doc->vSetXPrecision(2);
    EXPECT_EQ(doc->dGetPredictedConc(0), kNoValue);
    vCalibrateAs(*doc, 1, 0);
    // Fit: c1 = 0.2 / 2 = 0.1, c0 = 0.65/3 - 0.2 = 1/60, so predicted = 10 A - 1/6.
    const double predicted[] = {5.0 / 6, 7.0 / 3, 17.0 / 6};
    const double diff[] = {-1.0 / 6, 1.0 / 3, -1.0 / 6};
    const double sd = std::sqrt((1.0 / 6) / 3);  // sum diff^2 = 1/6 over S - 1 = 3
    for (int s = 0; s < 3; ++s) {
        EXPECT_NEAR(doc->dGetPredictedConc(s), predicted[s], kTol) << s;
        EXPECT_NEAR(doc->dGetDiff(s), diff[s], kTol) << s;
        EXPECT_NEAR(doc->dGetRelDiff(s), diff[s] / 0.1625 * 100, 1e-6) << s;  // mean 0.65 / 4
        EXPECT_NEAR(doc->dGetTStat(s), diff[s] / sd, kTol) << s;
    }
    EXPECT_EQ(doc->dGetPredictedConc(3), kNoStandardResult);
    EXPECT_EQ(doc->dGetDiff(3), kNoStandardResult);
    EXPECT_DOUBLE_EQ(doc->dGetRelDiff(3), kNoStandardResult / 0.1625 * 100);
    EXPECT_EQ(doc->dGetTStat(3), 0.0);
}

TEST(StandardData, DifferencesBelowTheConcentrationResolutionAndOfASingleStandardAreZero) {
    // Through the origin, c1 = sum A c / sum A^2 = 1.4 / 0.14 = 10: differences 0.042, 0.009,
    // -0.02.
    auto doc = pMeasuredStandards({{0.958, {0.1}}, {1.991, {0.2}}, {3.02, {0.3}}}, 1);
    doc->vSetXPrecision(1);  // below 10^-2 a difference is 0
    vCalibrateAs(*doc, 1, 1);
    EXPECT_NEAR(doc->dGetDiff(0), 0.042, kTol);
    EXPECT_EQ(doc->dGetDiff(1), 0.0);
    EXPECT_NEAR(doc->dGetDiff(2), -0.02, kTol);
    doc->vSetXPrecision(2);
    doc->vCalibrate();
    EXPECT_NEAR(doc->dGetDiff(1), 0.009, kTol);
    doc->vSetXPrecision(INT_MAX);  // used as 15 decimals: below 10^-16 a difference is 0
    doc->vCalibrate();
    EXPECT_NEAR(doc->dGetDiff(1), 0.009, kTol);
    EXPECT_NE(doc->GetCalibrationData().find(":\t1000000000.000000000000000\n"), std::string::npos);

    // One standard, replicates 0.1 and 0.3 at 2: c1 = 2 * 0.4 / 0.1 = 8 predicts 1.6 from 0.2.
    auto single = pMeasuredStandards({{2, {0.1, 0.3}}}, 1);
    vCalibrateAs(*single, 1, 1);
    EXPECT_NEAR(single->dGetPredictedConc(0), 1.6, kTol);
    EXPECT_EQ(single->dGetDiff(0), 0.0);
    EXPECT_EQ(single->dGetRelDiff(0), 0.0);
    EXPECT_EQ(single->dGetTStat(0), 0.0);
}

TEST(StandardData, ReadingRangeTakesInTheCurveOverItsConcentrationRange) {
    auto doc = pMeasuredStandards({{1, {0.2}}, {2, {0.3}}}, 0);
    vCalibrateAs(*doc, 1, 1);         // c1 = (0.2 + 0.6) / (1 + 4) = 0.16 from c = 0 to 2
    EXPECT_EQ(doc->dGetYMin(), 0.0);  // the curve at c = 0
    // 0.16 * 2 = 0.32; the last of the 1000 steps of 0.002 may fall just short of c = 2
    EXPECT_NEAR(doc->dGetYMax(), 0.32, 0.16 * 0.002);
    EXPECT_GT(doc->dGetYMax(), 0.3);
}

TEST(StandardData, RemeasureReplacesThePointAndOnlyThePeakIntakeEndsIt) {
    auto doc = pMeasuredStandards({{1, {0.1}}, {2, {0.2}}}, 0);
    doc->vSetRemeasureMode(0, 0, -1);
    for (const double dAbs : {0.5, 0.4}) {  // both go to point 0: the mode stays on
        const CDoublePt reading(450.0, std::pow(10.0, -dAbs));
        EXPECT_EQ(doc->iAddValues(&reading, 1), 1);
        EXPECT_DOUBLE_EQ(doc->GetValue(0).y, dAbs);
    }
    EXPECT_DOUBLE_EQ(doc->GetValue(1).y, 0.2);
    EXPECT_EQ(doc->iGetNumPts(), 2);

    const double onePeak[] = {0.5, 0.3, 0.1, 0.6, 0.2, 0.4, 0.5};  // height 0.6 at 454 - 3
    const double lower[] = {0.4, 0.3, 0.1, 0.5, 0.2, 0.3, 0.4};    // height 0.5
    CUVWaveData first(454.0, 1.0, onePeak, 7);
    CUVWaveData second(454.0, 1.0, lower, 7);
    CUVStandardData peaks(2, 2, 1, 7, 1);
    auto* pInst = new CUVInstrParameters;
    pInst->m_dStartWL = 454.0;
    peaks.vSetInstParam(pInst);
    peaks.iAddPeakValues(&first);
    peaks.vSetRemeasureMode(0, 0, -1);
    peaks.iAddPeakValues(&second);
    EXPECT_EQ(peaks.GetValue(0).y, 0.5);
    EXPECT_EQ(peaks.iGetNumPts(), 1);
    peaks.iAddPeakValues(&first);  // the mode has ended: appended
    EXPECT_EQ(peaks.iGetNumPts(), 2);
    EXPECT_EQ(peaks.GetValue(1).y, 0.6);
}

TEST(StandardData, RemeasureOfAStandardOutsideTheDocumentStoresNothing) {
    CUVStandardData doc(0, 2, 2, 1, 1);
    for (const double t : {0.5, 0.4, 0.3, 0.2}) {
        const CDoublePt reading(450.0, t);
        doc.iAddValues(&reading, 1);
    }
    const CDoublePt remeasured(450.0, 0.9);
    // Replicate 2 of 2 would be point 0 * 2 + 2, the first replicate of standard 1.
    doc.vSetRemeasureMode(0, 2, -1);
    EXPECT_EQ(doc.iAddValues(&remeasured, 1), 0);
    EXPECT_EQ(doc.pdGetRawData()[2], 0.3);
    // A sample number near the int limit overflowed s R + r.
    doc.vSetRemeasureMode(INT_MAX, 1, -1);
    EXPECT_EQ(doc.iAddValues(&remeasured, 1), 0);
    CUVWaveData spectrum(450.0, 1.0, &remeasured.y, 1);
    EXPECT_EQ(doc.iAddPeakValues(&spectrum), 0);
    EXPECT_EQ(doc.pdGetRawData()[3], 0.2);
}

TEST(StandardData, CalibrationWithoutASegmentClearsTheResults) {
    auto doc = pMeasuredStandards({{1, {0.15}}, {2, {0.25}}, {3, {0.35}}}, 0);
    vCalibrateAs(*doc, 3, 0);  // three points cannot fix four coefficients
    EXPECT_TRUE(doc->pGetCalibList()->IsEmpty());
    EXPECT_EQ(doc->iGetCalibRefusal(), kRefusalTooFewPoints);
    vCalibrateAs(*doc, 1, 0);
    EXPECT_EQ(doc->iGetCalibRefusal(), kRefusalNone);
    EXPECT_NEAR(doc->dGetBlkData(), 0.05, kTol);  // A = 0.05 + 0.1 c
    EXPECT_NEAR(doc->dGetPredictedConc(1), 2.0, kTol);
    for (const int iType : {3, 0}) {
        vCalibrateAs(*doc, iType, 0);
        EXPECT_TRUE(doc->pGetCalibList()->IsEmpty());
        EXPECT_EQ(doc->dGetPredictedConc(1), kNoValue);
        EXPECT_EQ(doc->dGetTStat(1), kNoValue);
        EXPECT_NEAR(doc->dGetBlkData(), 0.05, kTol);  // the blank stays with no new curve
    }
}

TEST(StandardData, FlatStandardsAndReadingsThatAreNoNumbersBuildNoCurveFromThem) {
    // Every standard reads the same: no slope can be told, so no curve rather than R = 1.
    auto flat = pMeasuredStandards({{1, {0.2}}, {2, {0.2}}, {3, {0.2}}}, 0);
    vCalibrateAs(*flat, 1, 0);
    EXPECT_TRUE(flat->pGetCalibList()->IsEmpty());
    EXPECT_EQ(flat->iGetCalibRefusal(), kRefusalFitFailed);

    // A = 0.1 c at 1, 3 and 5; the standards at 2 and 4 sent a transmittance of NaN and of +inf
    // (absorbance -inf). Both are left out, of the fit and of the segments alike.
    CUVStandardData doc(0, 5, 1, 1, 1);
    doc.vSetCalibOpt(kReadingFromConc);
    const double transmittance[] = {std::pow(10.0, -0.1), kNaN, std::pow(10.0, -0.3),
                                    std::numeric_limits<double>::infinity(), std::pow(10.0, -0.5)};
    for (int s = 0; s < 5; ++s) {
        doc.vChangeConcVal(s + 1.0, s);
        const CDoublePt reading(450.0, transmittance[s]);
        doc.iAddValues(&reading, 1);
    }
    vCalibrateAs(doc, 1, 0);
    ASSERT_EQ(doc.pGetCalibList()->GetSize(), 1);
    EXPECT_NEAR(Segment(doc, 0).m_dCoeff[1], 0.1, kTol);
    EXPECT_NEAR(Segment(doc, 0).m_dCoeff[0], 0.0, kTol);
    vCalibrateAs(doc, 4, 0);
    ASSERT_EQ(doc.pGetCalibList()->GetSize(), 2);  // 1-3 and 3-5
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(Segment(doc, i).m_dCoeff[1], 0.1, kTol) << i;
        EXPECT_NEAR(Segment(doc, i).m_dCoeff[0], 0.0, kTol) << i;
        EXPECT_NEAR(Segment(doc, i).m_dYMax - Segment(doc, i).m_dYMin, 0.2, kTol) << i;
    }
    EXPECT_NEAR(doc.dGetPredictedConc(4), 5.0, kTol);
    EXPECT_EQ(doc.dGetPredictedConc(1), kNoStandardResult);
}

TEST(StandardData, ManyStandardsInAnyOrderFindTheirOwnSegment) {
    // Standards of equal concentration keep their measuring order.
    auto tied = pMeasuredStandards({{2, {0.3}}, {1, {0.1}}, {2, {0.2}}}, 0);
    const std::vector<CCalibrationPoint> points = tied->GetCalibrationPoints();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].iStandard, 1);
    EXPECT_EQ(points[1].iStandard, 0);
    EXPECT_EQ(points[2].iStandard, 2);

    // 3,000 standards entered from the highest concentration down, A = 0.001 c, each measured
    // twice: every standard's mean lies on the joint of its two segments.
    std::vector<CStandard> standards;
    for (int c = 3000; c >= 1; --c) {
        standards.push_back({static_cast<double>(c), {0.001 * c, 0.001 * c}});
    }
    auto doc = pMeasuredStandards(standards, 0);
    vCalibrateAs(*doc, 4, 0);
    ASSERT_EQ(doc->pGetCalibList()->GetSize(), 2999);
    for (int s = 0; s < 3000; s += 7) {
        EXPECT_NEAR(doc->dGetPredictedConc(s), doc->dGetConc(s), 1e-6) << s;
    }
    // Read the other way (concentration from reading), readings fall along the list once the
    // direction reverses the slope: the same standards still find their own segment.
    for (CStandard& standard : standards) {
        for (double& dAbs : standard.vdAbs) {
            dAbs = 3.5 - dAbs;
        }
    }
    auto falling = pMeasuredStandards(standards, 1);
    vCalibrateAs(*falling, 4, 0);
    for (int s = 0; s < 3000; s += 7) {
        EXPECT_NEAR(falling->dGetPredictedConc(s), falling->dGetConc(s), 1e-6) << s;
    }
}

TEST(StandardData, ResultsCoverEveryStandardAfterRedimensioningToMore) {
    CUVStandardData doc(0, 2, 1, 1, 1);
    doc.bSetEmpty(4, 1, 1, 1);
    doc.vSetCalibOpt(0);
    for (int s = 0; s < 4; ++s) {
        doc.vChangeConcVal(s + 1.0, s);
        const CDoublePt reading(450.0, std::pow(10.0, -0.1 * (s + 1)));  // A = 0.1 c
        doc.iAddValues(&reading, 1);
    }
    vCalibrateAs(doc, 1, 0);
    EXPECT_NEAR(doc.dGetPredictedConc(3), 4.0, kTol);
    EXPECT_EQ(doc.dGetDiff(3), 0.0);
}

TEST(StandardData, UnweightedFitIsTheFitOfEarlierReleasesBitForBit) {
    // Coefficients c0..c3, R and R^2 of three calibrations as the fit without weights gave them
    // before weighting existed, to the last bit.
    const std::vector<CStandard> textbook = {{0, {2.1}},  {2, {5.0}},   {4, {9.0}},  {6, {12.6}},
                                             {8, {17.3}}, {10, {21.0}}, {12, {24.7}}};
    const std::vector<CStandard> scaled = {
        {1000, {0.1012, 0.0996, 0.1005}}, {1002, {0.3021, 0.2993, 0.3008}},
        {1004, {0.5034, 0.5011, 0.4987}}, {1006, {0.6962, 0.7015, 0.6990}},
        {1008, {0.8957, 0.8991, 0.9023}}, {1010, {1.0948, 1.1002, 1.0979}}};
    struct CFrozen {
        const std::vector<CStandard>* pStandards;
        int iOrder, iDirection, bForceZero;
        double dFit[6];
    };
    const CFrozen frozen[] = {
        {&textbook,
         1,
         0,
         0,
         {0x1.84924924924bp+0, 0x1.ee2be2be2be28p+0, 0, 0, 0x1.ff6d2473a111ap-1,
          0x1.feda7306d6562p-1}},
        {&scaled,
         2,
         0,
         0,
         {-0x1.1b0ea83f81e46p+7, 0x1.7715d16a32056p-3, -0x1.5c46eb582e38fp-15, 0,
          0x1.fffdc782657a2p-1, 0x1.fffb8f07422b1p-1}},
        {&scaled,
         3,
         1,
         1,
         {0, 0x1.a5406d8b74959p+12, -0x1.712da38e15d2ap+13, 0x1.7610f9c5b44bdp+12,
          0x1.f501e4e80f833p-1, 0x1.ea4034fbf19afp-1}}};
    for (const CFrozen& fit : frozen) {
        auto doc = pMeasuredStandards(*fit.pStandards, fit.iDirection);
        for (const bool bExplicit : {false, true}) {
            if (bExplicit) {
                doc->vSetWeighting(kWeightNone);
            }
            vCalibrateAs(*doc, fit.iOrder, fit.bForceZero);
            const CCalibSegment& segment = Segment(*doc, 0);
            const double actual[6] = {segment.m_dCoeff[0], segment.m_dCoeff[1], segment.m_dCoeff[2],
                                      segment.m_dCoeff[3], segment.m_dR,        segment.m_dR2};
            for (int k = 0; k < 6; ++k) {
                EXPECT_EQ(actual[k], fit.dFit[k]) << fit.iOrder << ", " << k;
            }
        }
    }
}

TEST(StandardData, AWeightingThatWouldBeInfiniteRefusesTheCalibrationAndSaysWhy) {
    // A reagent blank at concentration 0 reading 0.000, and standards of one replicate.
    const std::vector<CStandard> withBlank = {{0, {0.0}}, {1, {0.1}}, {2, {0.2}}};
    const int cases[][2] = {{kWeightInverseConc, kRefusalZeroConc},
                            {kWeightInverseConcSquared, kRefusalZeroConc},
                            {kWeightInverseReading, kRefusalZeroReading},
                            {kWeightInverseReadingSquared, kRefusalZeroReading},
                            {kWeightInverseVariance, kRefusalTooFewReplicates},
                            {9, kRefusalUnknownWeighting}};
    for (const auto& [iWeighting, iRefusal] : cases) {
        auto doc = pMeasuredStandards(withBlank, 0);
        doc->vSetWeighting(iWeighting);
        vCalibrateAs(*doc, 1, 0);
        EXPECT_TRUE(doc->pGetCalibList()->IsEmpty()) << iWeighting;
        EXPECT_EQ(doc->iGetCalibRefusal(), iRefusal) << iWeighting;
    }
    auto identical = pMeasuredStandards({{1, {0.1, 0.1}}, {2, {0.2, 0.21}}}, 0);
    identical->vSetWeighting(kWeightInverseVariance);
    vCalibrateAs(*identical, 1, 0);
    EXPECT_EQ(identical->iGetCalibRefusal(), kRefusalIdenticalReplicates);
}
