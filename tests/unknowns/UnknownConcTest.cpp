#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "UnknownsTestSupport.h"

using namespace photoquant;

namespace {

// A straight segment read as conc = c0 + c1 * reading over the reading range [lo, hi].
CCalibSegment Segment(double lo, double hi, double c0, double c1) {
    CCalibSegment segment;
    segment.m_iDirection = 1;
    segment.m_dYMin = lo;
    segment.m_dYMax = hi;
    segment.m_dCoeff[0] = c0;
    segment.m_dCoeff[1] = c1;
    return segment;
}

}  // namespace

TEST(UnknownSettings, NewDocumentIsNeutralSettingsKeepFourDecimalsAndInsertsGetNeutralCorrections) {
    CUVUnknownData doc(0, 3, 1, 1, 1);
    EXPECT_EQ(doc.pGetCalibSeg()->m_iDirection, CCalibOptions().m_iValue);
    EXPECT_EQ(doc.dGetRevisionCoef(2), 1.0);
    doc.vSetKFactor(1, 1.23455);  // a fifth decimal 5 rounds up
    EXPECT_EQ(doc.dGetKFactor(1), 1.2346);
    doc.vSetConc0Data(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(doc.bIsBlkOK(), 0);
    doc.pGetCalibSeg()->m_iDirection = 1;
    doc.vSetCoeff(0, -0.2);  // conc = -0.2 + reading: the reading at conc 0 is 0.2
    doc.vCalcConc0Data();
    EXPECT_DOUBLE_EQ(doc.dGetConc0Data(), 0.2);
    EXPECT_EQ(doc.bIsBlkOK(), 1);

    doc.vSetWeightSetting(1, 3.0);
    doc.vSetWeightSetting(2, 4.0);
    doc.vAddSample(0);
    doc.vInSertConcCorrectInfo(1);  // 1, 3, 4 become 1, [1], 3, 4
    EXPECT_EQ(doc.dGetWeightSetting(1), 1.0);
    EXPECT_EQ(doc.dGetWeightSetting(2), 3.0);
    EXPECT_EQ(doc.dGetWeightSetting(3), 4.0);
    doc.vSetEmptyConcCorrectInfo(2);
    EXPECT_EQ(doc.dGetWeightSetting(2), kNoValue);
    doc.vSetEmptyConcCorrectInfo(INT_MAX);  // 16 GiB an array: refused, nothing changes
    EXPECT_EQ(doc.dGetWeightSetting(1), 1.0);
    EXPECT_EQ(doc.dGetWeightSetting(2), kNoValue);
    EXPECT_EQ(CUVUnknownData(0, 1000000000, 1, 1, 1).iGetNumSamp(), 0);  // 8 GB a sample array
}

TEST(UnknownConc, BlankSampleBecomesTheBlankForFollowingSamples) {
    CUVUnknownData doc(0, 3, 1, 1, 1);
    doc.vSetSampleNo(1, 0);
    vUseManualLine(doc, 0.0, 2.0);
    doc.vSetConc0Data(0.05);
    vFeed(doc, {0.5, 0.1, 0.6});
    EXPECT_NEAR(dPointConc(doc, 0), 1.1, 1e-12);  // 2 * (0.5 - 0 + 0.05), blank still 0
    EXPECT_EQ(dPointConc(doc, 1), 0.0);           // the blank itself
    EXPECT_NEAR(doc.dGetBlkData(), 0.1, 1e-12);
    EXPECT_NEAR(dPointConc(doc, 2), 1.1, 1e-12);  // 2 * (0.6 - 0.1 + 0.05)
    EXPECT_NEAR(doc.dCorrectConcBlk(2), 0.55, 1e-12);

    doc.vSetConc0Data(kNoValue);  // blank correction off: the blank is a sample like any other
    doc.vCalcConc();
    EXPECT_NEAR(dPointConc(doc, 0), 1.0, 1e-12);  // 2 * 0.5
    EXPECT_NEAR(dPointConc(doc, 1), 0.2, 1e-12);  // 2 * 0.1
    EXPECT_NEAR(dPointConc(doc, 2), 1.2, 1e-12);
}

TEST(UnknownConc, AmountCorrectionNeedsBothTheInstrumentAndTheDocumentSwitch) {
    CUVUnknownData doc(0, 1, 1, 1, 1);
    vUseManualLine(doc, 0.0, 1.0);
    vFeed(doc, {0.4});
    doc.vSetWeightSetting(0, 2.0);
    doc.vSetSolvent(0, 10.0);
    doc.vSetDilutionRatio(0, 3.0);
    doc.vSetRevisionCoef(0, 0.5);
    auto* pInst = new CUVInstrParameters;
    doc.vSetInstParam(pInst);
    for (const int bInst : {0, 1}) {
        for (const int bDoc : {0, 1}) {
            pInst->m_bConcCorrect = bInst;
            doc.vSetConcRevision(bDoc);
            doc.vCalcConc(0, 0);
            // 10 / 2 * 0.4 * 3 * 0.5 = 3.0 with both switches on, else the plain 0.4
            EXPECT_NEAR(dPointConc(doc, 0), bInst && bDoc ? 3.0 : 0.4, 1e-12) << bInst << bDoc;
        }
    }
}

TEST(UnknownConc, SegmentChoiceFollowsTheReadingRanges) {
    CCalibSegment low = Segment(0.0, 0.5, 0.0, 10.0), high = Segment(0.5, 1.0, 100.0, 1.0);
    CCalibSegment lowEnd = Segment(0.0, 0.4, 0.0, 10.0), highStart = Segment(0.6, 1.0, 100.0, 1.0);
    CCalibList curve, gapped;  // the second leaves readings between 0.4 and 0.6 uncovered
    curve.Add(&low);
    curve.Add(&high);
    gapped.Add(&lowEnd);
    gapped.Add(&highStart);
    CUVUnknownData doc(0, 4, 1, 1, 1);
    doc.vSetStatisticalMode(1);
    vFeed(doc, {0.5, 1.2, -0.1, 0.5});
    for (int s = 0; s < 3; ++s) {
        doc.vCalcConc(s, 0, &curve);
    }
    doc.vCalcConc(3, 0, &gapped);
    EXPECT_NEAR(dPointConc(doc, 0), 5.0, 1e-12);    // shared bound: the earlier segment
    EXPECT_NEAR(dPointConc(doc, 1), 101.2, 1e-12);  // above the top: the last segment
    EXPECT_NEAR(dPointConc(doc, 2), -1.0, 1e-12);   // below the bottom: the first segment
    EXPECT_EQ(dPointConc(doc, 3), kNoValue);        // in the gap
    EXPECT_EQ(doc.pdGetXData()[3], kNoValue);
    EXPECT_EQ(doc.dGetConc(3), kNoValue);  // and the marker never passes for a mean
    EXPECT_EQ(doc.dGetSD(3), kNoValue);

    CUVUnknownData broken(0, 1, 1, 1, 1);
    broken.iSetYMode(0);  // in %T a reading that is not a number stays one
    const CDoublePt nan(500.0, std::numeric_limits<double>::quiet_NaN());
    broken.iAddValues(&nan, 1);
    broken.vCalcConc(0, 0, &curve);
    EXPECT_EQ(dPointConc(broken, 0), kNoValue);
}

TEST(UnknownConc, StatisticsRunOnTheLastReplicateEvenUnmeasuredButNeverForAnEmptyList) {
    CCalibSegment line = Segment(0.0, 1.0, 0.0, 10.0);
    CCalibList curve;
    curve.Add(&line);
    const CCalibList empty;
    CUVUnknownData doc(0, 1, 2, 1, 1);
    doc.vSetStatisticalMode(1);
    vFeed(doc, {0.3});
    doc.vCalcConc(0, 1, &empty);
    EXPECT_EQ(doc.dGetSD(0), -1.0);  // nothing ran
    doc.vCalcConc(0, 0, &curve);
    EXPECT_EQ(doc.dGetSD(0), -1.0);  // not the last replicate yet
    doc.vCalcConc(0, 1, &curve);
    EXPECT_NEAR(doc.dGetConc(0), 3.0, 1e-12);  // 10 * 0.3, the one measured replicate
    EXPECT_NEAR(doc.dGetMeanConc(0), 3.0, 1e-12);
    EXPECT_EQ(doc.dGetSD(0), kNoValue);
    doc.vCalcConc(5, 0, &curve);  // no such sample: nothing happens
    doc.vCalcConcBlk(7, &line);
}

TEST(UnknownConc, ManualCurveWidensTheAxisRangesAndGivesPointsFromX) {
    CUVUnknownData doc(0, 2, 1, 1, 1);
    vUseManualLine(doc, 0.4, 2.0);
    vFeed(doc, {0.5, 0.5});  // both at 0.4 + 2 * 0.5 = 1.4
    doc.vSetRangesFromData();
    EXPECT_EQ(doc.dGetXMin(), 0.0);  // one concentration: the X range opens to start at 0
    EXPECT_NEAR(doc.dGetXMax(), 1.4, 1e-12);
    EXPECT_NEAR(doc.dGetYMin(), -0.2, 1e-12);  // the curve at conc 0: (0 - 0.4) / 2
    EXPECT_NEAR(doc.dGetYMax(), 0.5, 1e-12);
    int found = 0;
    const CDoublePt point = doc.GetPointFromX(1.0, &found);
    EXPECT_EQ(found, 1);
    EXPECT_NEAR(point.y, 0.3, 1e-12);  // (1.0 - 0.4) / 2
}

TEST(UnknownIntake, RemeasureOfAnUnknownOutsideTheDocumentStoresNothing) {
    CUVUnknownData doc(0, 2, 2, 1, 1);
    vFeed(doc, {0.1, 0.2, 0.3, 0.4});
    // Replicate 2 of 2 would be point 0 * 2 + 2, the first replicate of sample 1.
    doc.vSetRemeasureMode(0, 2, -1);
    EXPECT_EQ(iFeedPoint(doc, {0.9}), 0);
    EXPECT_DOUBLE_EQ(doc.GetValue(2).y, 0.3);
    // A sample number near the int limit overflowed s R + r.
    doc.vSetRemeasureMode(INT_MAX, 1, -1);
    EXPECT_EQ(iFeedPoint(doc, {0.9}), 0);
    EXPECT_DOUBLE_EQ(doc.GetValue(3).y, 0.4);
}
