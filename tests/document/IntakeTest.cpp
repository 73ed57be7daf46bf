#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "HostHelpers.h"
#include "photoquant.h"

using namespace photoquant;

TEST(Intake, TwoWavelengthPointShowsTheAbsorbanceDifference) {
    CUVPhotometryData doc(0, 1, 2, 2, 2);
    doc.pdGetConcVect()[0] = 2.0;
    EXPECT_EQ(iAdd(doc, {0.5, 0.25}), 1);
    EXPECT_DOUBLE_EQ(doc.pdGetYData()[0], 0.5);  // 10^-(log10 4 - log10 2)
    EXPECT_DOUBLE_EQ(doc.GetValue(0).x, 2.0);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.301);  // log10(2)
    EXPECT_EQ(iAdd(doc, {1.0, 0.0}), 1);
    EXPECT_DOUBLE_EQ(doc.GetValue(1).y, 10.0);  // dark reading: 10 - log10(1)
}

TEST(Intake, ThreeWavelengthPointIsTheAbsorbanceAboveTheBaseline) {
    CUVMethod method;
    vSetUpMethod(method, 1, {400.0, 500.0, 600.0});
    CUVPhotometryData doc;
    doc.vSetEmpty(&method, 2);
    iAdd(doc, {dTransmittance(0.1), dTransmittance(0.5), dTransmittance(0.3)});
    EXPECT_NEAR(doc.pdGetYData()[0], dTransmittance(0.3), 1e-12);  // 0.5 - (0.5*0.1 + 0.5*0.3)
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.3);

    vSetUpMethod(method, 1, {400.0, 450.0, 600.0});
    doc.vSetEmpty(&method, 2);
    iAdd(doc, {dTransmittance(0.1), dTransmittance(0.5), dTransmittance(0.3)});
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.35);  // 0.5 - (150*0.1 + 50*0.3) / 200

    vSetUpMethod(method, 1, {500.0, 550.0, 500.0});  // no baseline between equal wavelengths
    doc.vSetEmpty(&method, 2);
    iAdd(doc, {0.5, 0.5, 0.5});
    EXPECT_EQ(doc.pdGetYData()[0], std::numeric_limits<double>::infinity());  // 1 / 10^-max
}

TEST(Intake, AddsAreClippedToTheCapacityAndAFullDocumentTakesNothing) {
    CUVPhotometryData doc(0, 1, 2, 2, 2);
    EXPECT_EQ(iAdd(doc, {0.1, 0.2}), 1);
    EXPECT_EQ(iAdd(doc, {0.3, 0.4, 0.9}), 1);  // only two readings fit
    EXPECT_EQ(doc.pdGetRawData()[3], 0.4);
    EXPECT_EQ(doc.bDeleteData(0, 1), 1);
    EXPECT_EQ(iAdd(doc, {0.7, 0.8}), 0);  // full: nothing stored, flagged or appended
    EXPECT_EQ(doc.bGetMeasured(1), 0);
    EXPECT_EQ(doc.iGetNumPts(), 2);
    EXPECT_EQ(doc.pdGetRawData()[2], 0.3);
    EXPECT_EQ(doc.iAddValue(CDoublePt(1.0, 1.0)), 0);  // the data set refuses a third point
    EXPECT_EQ(doc.iGetNumPts(), 2);
}

TEST(Intake, ADocumentWithoutReadingsPerPointStoresNothing) {
    CUVPhotometryData doc(0, 2, 1, 0, 0);
    EXPECT_EQ(iAdd(doc, {0.5}), 0);
    const std::vector<CDoublePt> readings = Readings({0.5});
    EXPECT_EQ(doc.iAddXYValues(readings.data(), 1), 0);
    doc.vSkipData();
    doc.vRepeatData();
    EXPECT_EQ(doc.iGetNumPts(), 0);
    EXPECT_EQ(doc.bGetMeasured(0), 0);
}

TEST(Intake, SkippedPointIsUnmeasuredWithTheMarkerAndTheCursorMovesOn) {
    CUVPhotometryData doc(0, 1, 3, 1, 1);
    iAdd(doc, {0.5});
    doc.vSkipData();
    EXPECT_EQ(doc.bGetMeasured(1), 0);
    EXPECT_EQ(doc.pdGetYData()[1], kSkipMarker);
    iAdd(doc, {0.1});
    EXPECT_EQ(doc.pdGetRawData()[2], 0.1);
    EXPECT_DOUBLE_EQ(doc.GetValue(2).y, 1.0);  // log10(10)
    doc.vSkipData();                           // at the capacity: nothing
    EXPECT_EQ(doc.iGetNumPts(), 3);
    EXPECT_EQ(doc.bGetMeasured(2), 1);
}

TEST(Intake, RepeatUndoesTheLastWholePointOnly) {
    CUVPhotometryData doc(0, 1, 2, 2, 2);
    doc.vRepeatData();  // nothing added yet
    iAdd(doc, {0.5});   // half a point
    doc.vRepeatData();  // fewer than W readings: nothing
    iAdd(doc, {0.25});
    EXPECT_EQ(doc.pdGetRawData()[0], 0.5);
    EXPECT_EQ(doc.pdGetRawData()[1], 0.25);

    CUVPhotometryData whole(0, 1, 2, 2, 2);
    iAdd(whole, {0.5, 0.25});
    iAdd(whole, {0.1, 0.1});
    whole.vRepeatData();
    EXPECT_EQ(whole.iGetNumPts(), 1);
    EXPECT_EQ(whole.bGetMeasured(1), 0);
    EXPECT_EQ(whole.bGetMeasured(0), 1);
    EXPECT_EQ(iAdd(whole, {0.5, 0.5}), 1);
    EXPECT_EQ(whole.pdGetRawData()[2], 0.5);
    EXPECT_DOUBLE_EQ(whole.GetValue(1).y, 0.0);  // log10(2) - log10(2)
}

TEST(Intake, DeleteClearsTheFlagsButKeepsReadingsAndPoint) {
    CUVPhotometryData doc(0, 1, 2, 1, 1);
    EXPECT_EQ(doc.bDeleteData(0, 0), 0);  // not measured yet
    iAdd(doc, {0.5});
    EXPECT_EQ(doc.bDeleteData(0, 0), 1);
    EXPECT_EQ(doc.bGetMeasured(0), 0);
    EXPECT_EQ(doc.iGetNumPts(), 1);
    EXPECT_EQ(doc.pdGetRawData()[0], 0.5);
    EXPECT_EQ(doc.bDeleteData(0, 2), 0);  // no replicate 2
}

TEST(Intake, SplitRemeasureWritesTheSecondCallAfterTheFirstAndNeverSpills) {
    CUVPhotometryData unsplit(0, 1, 1, 2, 2);  // no split until one is asked for
    const std::vector<CDoublePt> half = Readings({0.5});
    const std::vector<CDoublePt> quarter = Readings({0.25});
    unsplit.iSetValues(half.data(), 1, 0);
    unsplit.iSetValues(quarter.data(), 1, 0);
    EXPECT_EQ(unsplit.pdGetRawData()[0], 0.25);
    EXPECT_EQ(unsplit.pdGetRawData()[1], 0.0);

    CUVPhotometryData doc(0, 2, 1, 2, 2);
    iAdd(doc, {0.1, 0.2});
    iAdd(doc, {0.3, 0.4});
    const std::vector<CDoublePt> first = Readings({0.5});
    const std::vector<CDoublePt> second = Readings({0.25, 0.9});
    doc.vSetRemeasureMode(0, 0, 0);
    EXPECT_EQ(doc.iSetValues(first.data(), 1, 0), 1);
    EXPECT_EQ(doc.iSetValues(second.data(), 2, 0), 1);  // continues at reading 1 of point 0
    EXPECT_EQ(doc.pdGetRawData()[0], 0.5);
    EXPECT_EQ(doc.pdGetRawData()[1], 0.25);
    EXPECT_EQ(doc.pdGetRawData()[2], 0.3);       // point 1 untouched
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.301);  // log10 4 - log10 2

    const std::vector<CDoublePt> whole = Readings({0.8, 0.8});
    EXPECT_EQ(doc.iSetValues(whole.data(), 2, 0), 1);  // the split is over: from reading 0
    EXPECT_EQ(doc.pdGetRawData()[0], 0.8);
    EXPECT_EQ(doc.pdGetRawData()[1], 0.8);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.0);
}

TEST(Intake, TypedValueIsAnAbsorbanceStoredAsItsTransmittance) {
    CUVPhotometryData doc(0, 1, 2, 1, 1);
    iAdd(doc, {0.5});
    const std::vector<CDoublePt> typed = Readings({0.5});
    EXPECT_EQ(doc.iMChangeValues(typed.data(), 0), 1);
    EXPECT_NEAR(doc.pdGetRawData()[0], 0.316227766016838, 1e-15);  // 10^-0.5
    EXPECT_NEAR(doc.pdGetStdCalcAbsData()[0], 0.316227766016838, 1e-15);
    EXPECT_EQ(doc.bGetManualStd(0), 1);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.5);
    EXPECT_EQ(doc.iMChangeValues(typed.data(), 1), 0);  // not shown yet, but flagged
    EXPECT_EQ(doc.bGetMeasured(1), 1);
    EXPECT_EQ(doc.bGetManualStd(1), 1);
    iAdd(doc, {0.1});  // a measured reading replaces the typed one
    EXPECT_EQ(doc.bGetManualStd(1), 0);
    EXPECT_EQ(doc.iMChangeValues(typed.data(), 2), 0);  // no point 2: nothing changes
    EXPECT_EQ(doc.iMChangeValues(typed.data(), -1), 0);

    CUVPhotometryData peaks(2, 1, 1, 1, 1);
    const std::vector<CDoublePt> area = Readings({12.5});
    peaks.iMChangeValues(area.data(), 0);
    EXPECT_EQ(peaks.pdGetStdCalcAbsData()[0], 12.5);  // the value itself
}

TEST(Intake, ReadingsReadBackInTheCurrentDisplayMode) {
    CUVPhotometryData doc(0, 2, 2, 2, 2);
    iAdd(doc, {0.9, 0.8});
    iAdd(doc, {0.7, 0.6});
    iAdd(doc, {0.5, 0.4});
    iAdd(doc, {0.3, 0.1});
    EXPECT_DOUBLE_EQ(doc.dGetAbs(1, 1, 1), 1.0);    // raw[(1*2+1)*2+1] = 0.1, log10(10)
    EXPECT_DOUBLE_EQ(doc.dGetAbs(1, 0, 0), 0.301);  // raw[4] = 0.5
    EXPECT_EQ(doc.dGetAbs(2, 0, 0), kNoValue);      // no sample 2
    EXPECT_EQ(doc.dGetAbs(0, 2, 0), kNoValue);      // no replicate 2
    EXPECT_EQ(doc.dGetAbs(0, 0, 2), kNoValue);      // no reading 2
    doc.iSetYMode(0);
    EXPECT_DOUBLE_EQ(doc.dGetAbs(1, 1, 1), 10.0);  // 100 * 0.1
}
