#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

#include "HostHelpers.h"
#include "photoquant.h"

using namespace photoquant;

TEST(Dimensions, StoredDataGiveManualPointsTheirTypedValue) {
    CUVPhotometryData doc(0, 2, 2, 1, 1, new double[4]{0.5, 0.1, 0.01, 1.0}, new double[1]{500.0},
                          new int[4]{1, 1, 1, 1}, new double[2]{1.0, 2.0}, new int[4]{0, 1, 0, 0},
                          new double[4]{0.0, 0.25, 0.0, 0.0}, nullptr);
    EXPECT_EQ(doc.iGetNumPts(), 4);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.301);   // log10(1 / 0.5)
    EXPECT_DOUBLE_EQ(doc.GetValue(1).y, 0.6021);  // manual 0.25: log10(4) = 0.60206
    EXPECT_EQ(doc.GetValue(2).x, 2.0);            // sample 2 / R = 1
    EXPECT_DOUBLE_EQ(doc.GetValue(2).y, 2.0);     // log10(100)
    EXPECT_DOUBLE_EQ(doc.dGetYMax(), 2.0);        // the ranges are taken from the data
    EXPECT_EQ(iAdd(doc, {0.5}), 0);               // the data are complete

    CUVPhotometryData noW(0, 1, 1, 0, 2, new double[2]{0.5, 0.25}, new double[2]{500.0, 600.0},
                          nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(noW.iGetNumActWave(), 2);          // W = 0 becomes M
    EXPECT_DOUBLE_EQ(noW.GetValue(0).y, 0.301);  // log10 4 - log10 2
    EXPECT_EQ(noW.GetValue(0).x, 0.0);           // no concentrations given
    EXPECT_EQ(noW.bGetMeasured(0), 0);
}

TEST(Dimensions, ArraysHandedToAConstructorStayTheHostsPointersUntilMoreRoomIsNeeded) {
    auto* pdRaw = new double[4]{0.5, 0.1, 0.01, 1.0};
    auto* pbMeasured = new int[4]{1, 1, 1, 1};
    auto* pdConc = new double[2]{1.0, 2.0};
    auto* pbManual = new int[4]{};
    auto* pdManual = new double[4]{};
    auto* piSampleNo = new int[2]{1, 2};
    CUVPhotometryData doc(0, 2, 2, 1, 1, pdRaw, new double[1]{500.0}, pbMeasured, pdConc, pbManual,
                          pdManual, piSampleNo);
    EXPECT_EQ(doc.pdGetConcVect(), pdConc);
    EXPECT_EQ(doc.pbGetManualStd(), pbManual);
    EXPECT_EQ(doc.pdGetStdCalcAbsData(), pdManual);
    EXPECT_EQ(doc.piGetSampleNo(), piSampleNo);
    EXPECT_EQ(doc.bSetEmpty(1, 4, 1, 1), 1);  // the same four points fit where they are
    EXPECT_EQ(doc.pdGetRawData(), pdRaw);
    EXPECT_EQ(doc.pbGetMeasuredVect(), pbMeasured);
    EXPECT_EQ(doc.bSetEmpty(3, 2, 1, 1), 1);  // six do not
    EXPECT_NE(doc.pdGetRawData(), pdRaw);

    auto* pdStageRaw = new double[2]{0.5, 0.25};
    auto* pbStageMeasured = new int[2]{1, 1};
    auto* piStageSampleNo = new int[1]{1};
    CUVPhotometryData stage(0, 1, 2, 1, 1, 1, pdStageRaw, nullptr, pbStageMeasured,
                            piStageSampleNo);
    EXPECT_EQ(stage.pdGetRawData(), pdStageRaw);
    EXPECT_EQ(stage.pbGetMeasuredVect(), pbStageMeasured);
    EXPECT_EQ(stage.piGetSampleNo(), piStageSampleNo);
}

TEST(Dimensions, StageLayoutTakesPositionsBeforeReplicates) {
    CUVPhotometryData doc(0, 2, 3, 1, 1, 1, new double[6]{0.9, 0.8, 0.7, 0.6, 0.5, 0.1},
                          new double[1]{500.0}, new int[6]{1, 1, 1, 1, 1, 0}, new int[2]{7, 8});
    EXPECT_EQ(doc.iGetNumCoord(), 3);
    EXPECT_DOUBLE_EQ(doc.dGetAbsXY(1, 2, 0), 1.0);  // raw[(1*3+2)*1] = 0.1
    EXPECT_EQ(doc.bGetMeasured(5), 0);
    EXPECT_EQ(doc.pdGetYData()[4], 0.0);  // no Y from the readings in this layout
    EXPECT_EQ(iAdd(doc, {0.5}), 0);

    CUVPhotometryData noW(0, 1, 2, 1, 0, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(noW.iGetNumActWave(), 0);  // kept as passed: no readings at all
    EXPECT_EQ(noW.dGetAbsXY(0, 1, 0), kNoValue);
}

TEST(Dimensions, EmptyingToFewerSamplesResetsThoseAndLaterGrowthStartsClean) {
    CUVPhotometryData doc(0, 4, 2, 1, 1);
    doc.vSetWeight(3, 5.0);
    doc.vSetSampleNo(0, 9);
    doc.vSetSampName("S4", 3);
    iAddTimes(doc, 8, {0.5});
    EXPECT_EQ(doc.bSetEmpty(2, 2, 1, 1), 1);
    EXPECT_EQ(doc.iGetNumSamp(), 2);
    EXPECT_EQ(doc.iGetNumPts(), 0);
    EXPECT_EQ(doc.iGetSampleNo(0), 1);
    EXPECT_EQ(doc.dGetWeight(3), kNoValue);  // beyond the samples now
    EXPECT_EQ(doc.GetSampName(3), "S4");     // texts stay
    EXPECT_EQ(doc.pdGetRawData()[0], 0.0);
    EXPECT_EQ(iAddTimes(doc, 6, {0.5}), 4);  // 2 samples * 2 replicates, though 8 would fit

    doc.bSetEmpty(6, 2, 1, 1);
    EXPECT_EQ(doc.dGetWeight(3), 0.0);
    EXPECT_EQ(doc.dGetSD(5), -1.0);
    EXPECT_EQ(doc.bGetMeasured(1), 0);
    EXPECT_EQ(iAddTimes(doc, 14, {0.5}), 12);
}

TEST(Dimensions, DocumentGrowsOneSampleAtATime) {
    CUVPhotometryData doc(0, 3, 2, 1, 1);
    doc.vSetUnkSampName("old", 0);
    EXPECT_EQ(doc.bSetEmpty(1, 1), 1);
    EXPECT_EQ(doc.GetUnkSampName(0), "");
    doc.vDelSample();
    EXPECT_EQ(doc.iGetNumSamp(), 0);
    for (int s = 0; s < 5; ++s) {
        doc.vAddSample(1);
        doc.pdGetConcVect()[s] = s + 1.0;
        EXPECT_EQ(iAdd(doc, {0.5}), 1);
    }
    EXPECT_EQ(doc.iGetNumSamp(), 5);
    EXPECT_EQ(doc.iGetNumPts(), 5);
    EXPECT_EQ(doc.GetValue(4).x, 5.0);
    EXPECT_EQ(doc.dGetSD(4), -1.0);
    doc.vDelSample();
    EXPECT_EQ(doc.iGetNumSamp(), 4);

    CUVPhotometryData pairs(0, 1, 2, 1, 1);
    iAdd(pairs, {0.5});
    iAdd(pairs, {0.25});
    pairs.vAddSample(0);
    EXPECT_EQ(pairs.iGetMaxPts(), 4);
    EXPECT_EQ(pairs.iGetNumPts(), 2);
    EXPECT_DOUBLE_EQ(pairs.dGetAbs(0, 1, 0), 0.6021);  // kept: log10(4)
    EXPECT_DOUBLE_EQ(pairs.dGetAbs(1, 0, 0), 10.0);    // new: 0, shown as a dark reading
    pairs.vAddSample(1);
    EXPECT_EQ(pairs.iGetNumPts(), 5);  // kept points count as (S + 1) * R - 1

    CUVPhotometryData noReplicates(0, 0, 0, 1, 1);
    noReplicates.vAddSample(1);
    EXPECT_EQ(noReplicates.iGetNumSamp(), 1);
    EXPECT_EQ(noReplicates.iGetNumPts(), 0);  // (S + 1) R - 1 would be -1: held at 0
}

TEST(Dimensions, MethodWithoutStageDimensionsByReplicates) {
    CUVMethod method;
    vSetUpMethod(method, 2, {500.0, 600.0});
    method.pGetQuantParam()->m_dPathLength = 5.0;
    method.pGetQuantParam()->m_iConcDecimals = 3;
    method.pGetInstrParam()->m_iDataMode = 3;  // not a display mode of photometry
    method.pGetInstrParam()->m_iPhotoDecimals = 3;
    CUVPhotometryData doc;
    doc.vSetEmpty(&method, 3);
    EXPECT_EQ(doc.iGetXPrecision(), 3);
    EXPECT_EQ(method.pGetInstrParam()->m_iDataMode, 1);
    EXPECT_EQ(doc.iGetYMode(), 1);
    EXPECT_EQ(iAddTimes(doc, 8, {0.3, 0.1}), 6);  // 3 samples * 2 replicates
    // (log10 10 - log10(1 / 0.3)) * 10 / 5 mm = 0.477121 * 2, to 3 data decimals
    EXPECT_DOUBLE_EQ(doc.GetValue(5).y, 0.954);

    method.pGetInstrParam()->m_iDataMode = 0;
    doc.vSetEmpty(&method, 3);
    EXPECT_EQ(doc.iGetYMode(), 0);
}

TEST(Dimensions, MethodWithStagePositionsHoldsEveryPositionOfEverySample) {
    CUVMethod method;
    vSetUpMethod(method, 3, {500.0});
    method.pGetXYStageParam()->vSetCoordArray({{1, 1}, {2, 1}, {1, 2}, {2, 2}});
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    doc.vSetEmpty(&method, 2);
    EXPECT_EQ(doc.iGetNumCoord(), 4);
    for (int i = 1; i <= 10; ++i) {  // two more than the 2 * 4 positions
        const std::vector<CDoublePt> reading = Readings({0.1 * i});
        EXPECT_EQ(doc.iAddXYValues(reading.data(), 1), 0);
    }
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(doc.bGetMeasured(p), 1) << p;
    }
    EXPECT_DOUBLE_EQ(doc.dGetAbsXY(1, 3, 0), 0.0969);  // raw[7] = 0.8: log10(1.25) = 0.09691
    EXPECT_EQ(doc.dGetAbsXY(2, 0, 0), kNoValue);
}

TEST(Dimensions, TextListsReadEmptyOutsideAndGrowWhenSet) {
    CUVPhotometryData doc(0, 2, 2, 1, 1);
    EXPECT_EQ(doc.GetSampName(-1), "");
    doc.vSetSampName("B", 2);  // grows the list
    EXPECT_EQ(doc.GetSampName(2), "B");
    EXPECT_EQ(doc.GetSampName(3), "");
    doc.vInsertSampName("A", 0);
    EXPECT_EQ(doc.GetSampName(0), "A");
    EXPECT_EQ(doc.GetSampName(3), "B");
    doc.vSetDateTime("t", 1, 1);
    EXPECT_EQ(doc.GetDateTime(1, 1), "t");  // entry 1 * 2 + 1
    EXPECT_EQ(doc.GetDateTime(-1, 0), "");
}

TEST(Dimensions, OutOfRangeIndicesReadNeutralValuesAndWritersChangeNothing) {
    CUVPhotometryData doc(0, 2, 2, 1, 1);
    doc.vSetMeasured(4, 1);
    doc.vSetManualStd(-1, 1);
    doc.vSetWeight(2, 1.0);
    doc.vSetDilution(-1, 1.0);
    doc.vSetSampleNo(2, 5);
    doc.vChangeConcVal(1.0, 2);
    EXPECT_EQ(doc.bGetMeasured(4), 0);
    EXPECT_EQ(doc.bGetManualStd(-1), 0);
    EXPECT_EQ(doc.iGetSampleNo(2), 0);
    for (double value : {doc.dGetConc(2), doc.dGetSD(-1), doc.dGetMeanConc(2), doc.dGetWeight(2),
                         doc.dGetDilution(-1), doc.dGetWavelength(6), doc.dGetAbsXY(0, 0, 0)}) {
        EXPECT_EQ(value, kNoValue);
    }
    EXPECT_EQ(doc.GetCoordPt(0).x, 0.0);
    EXPECT_EQ(doc.GetValue(10).y, 0.0);
    const std::vector<CDoublePt> reading = Readings({0.5});
    EXPECT_EQ(doc.iSetValues(reading.data(), 1, 4), 0);
    EXPECT_EQ(doc.iSetValues(reading.data(), 1, -1), 0);
    EXPECT_EQ(doc.bDeleteData(2, 0), 0);
    EXPECT_EQ(doc.bDeleteData(-1, 0), 0);
}

TEST(Dimensions, CountsWhoseProductsOverflowOrAreNegativeChangeNothing) {
    // 46341^2 passes 2^31 - 1; 65536^2 wraps an int to 0.
    EXPECT_EQ(CUVPhotometryData(0, 46341, 46341, 1, 1).iGetNumSamp(), 0);
    EXPECT_EQ(CUVPhotometryData(0, 65536, 65536, 1, 1, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr)
                  .iGetNumSamp(),
              0);
    CUVPhotometryData doc(0, 2, 2, 1, 1);
    for (const auto& [S, R, W, M] : {std::array{46341, 46341, 1, 1},
                                     {65536, 65536, 1, 1},
                                     {-1, 2, 1, 1},
                                     {2, -1, 1, 1},
                                     {2, 2, -1, 1},
                                     {2, 2, 1, -1}}) {
        EXPECT_EQ(doc.bSetEmpty(S, R, W, M), 0) << S << " " << R << " " << W << " " << M;
    }
    EXPECT_EQ(doc.bSetEmpty(-1, 1), 0);
    CUVMethod method;
    vSetUpMethod(method, 46341, {500.0});
    doc.vSetEmpty(&method, 46341);
    EXPECT_EQ(doc.iGetNumSamp(), 2);
    EXPECT_EQ(doc.iGetNumRep(), 2);
    EXPECT_EQ(iAddTimes(doc, 5, {0.5}), 4);  // still 2 samples * 2 replicates

    CUVPhotometryData rows(0, 0, INT_MAX, 1, 1);  // no sample yet: nothing to hold
    rows.vAddSample(1);                           // one of 2^31 - 1 points is too many
    EXPECT_EQ(rows.iGetNumSamp(), 0);
}

TEST(Dimensions, NoIndexOrCountGrowsAListOrAnArrayPastItsCeiling) {
    CUVPhotometryData doc(0, 2, 2, 1, 1);
    doc.vSetSampName("x", INT_MAX);
    doc.vInsertSampName("x", INT_MAX);
    doc.vSetSampName("x", 100000000);
    doc.vSetDateTime("t", INT_MAX, INT_MAX);
    doc.vSetComment("c", kMaxListEntries);      // at the ceiling: nothing
    doc.vSetComment("c", kMaxListEntries - 1);  // below it the list grows
    EXPECT_EQ(doc.GetSampName(100000000), "");
    EXPECT_EQ(doc.GetComment(kMaxListEntries), "");
    EXPECT_EQ(doc.GetComment(kMaxListEntries - 1), "c");
    // An array of more than 2^31 bytes is refused before anything is allocated: 2^28 + 1 samples
    // or readings of 8 bytes, 2^27 + 1 points of 16.
    EXPECT_EQ(doc.bSetEmpty((1 << 28) + 1, 0, 0, 0), 0);
    EXPECT_EQ(doc.bSetEmpty((1 << 27) + 1, 1, 0, 0), 0);
    EXPECT_EQ(doc.bSetEmpty(1, 1, (1 << 28) + 1, 0), 0);
    EXPECT_EQ(CUVPhotometryData(0, 1000000000, 1, 1, 1).iGetNumSamp(), 0);
}

TEST(Dimensions, SampleIndexNearTheIntLimitReadsAsOutsideTheDocument) {
    // s R + r overflowed an int before the sample was checked.
    CUVPhotometryData doc(0, 2, 4, 1, 1);
    for (int p = 0; p < 8; ++p) {
        iAdd(doc, {0.5});
    }
    EXPECT_EQ(doc.bDeleteData(INT_MAX - 1, 3), 0);
    EXPECT_EQ(doc.dGetAbs(INT_MAX - 1, 3, 0), kNoValue);
    EXPECT_EQ(doc.dGetAbsXY(INT_MAX, 0, 0), kNoValue);
    EXPECT_EQ(doc.GetDateTime(INT_MAX / 2, 3), "");
    EXPECT_EQ(doc.bGetMeasured(7), 1);  // nothing deleted
}
