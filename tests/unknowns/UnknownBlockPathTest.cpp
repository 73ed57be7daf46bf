// The block path (iAddValuesBlock, vCalcConcBlock, one statistics run) against the point-by-point
// path the instrument uses: the same readings fed both ways must leave every stored value equal to
// the last bit, whatever the result type, with skipped points, blanks, excluded samples, replicates
// and a feed running past the end of the document.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "UnknownsTestSupport.h"

namespace {

constexpr int kSamples = 9;
constexpr int kReps = 3;
constexpr int kPoints = kSamples * kReps;
constexpr int kExtraPoints = 2;  // fed past the end: cut off both ways

enum class ECalc { kReadings, kStandardsList, kManualLine, kRatio };

struct CFeed {
    int W = 1;
    std::vector<double> transmittances;  // (kPoints + kExtraPoints) * W
    std::vector<int> skipped;            // per point
};

CFeed MakeFeed(int W) {
    CFeed feed;
    feed.W = W;
    std::mt19937 random(20261207u + static_cast<unsigned>(W));
    // Absorbances 0.02 .. 1.2, so that the standards' curve is left at both ends.
    std::uniform_real_distribution<double> absorbance(0.02, 1.2);
    for (int i = 0; i < (kPoints + kExtraPoints) * W; ++i) {
        feed.transmittances.push_back(std::pow(10.0, -absorbance(random)));
    }
    feed.skipped.assign(kPoints + kExtraPoints, 0);
    for (const int p : {1, 5, 9, 10, 11, 22}) {  // sample 3 entirely, one replicate of others
        feed.skipped[static_cast<size_t>(p)] = 1;
    }
    return feed;
}

// Standards 1..5 of a segmented calibration: segments between neighbouring standards, readings
// 0.2 .. 1.0, so that unknowns fall inside, below and above the curve.
std::unique_ptr<CUVStandardData> SegmentedStandards() {
    auto standards = std::make_unique<CUVStandardData>(0, 5, 1, 1, 1);
    standards->vSetCalibOpt(1);
    standards->vSetCalibType(4);
    const double readings[5] = {0.2, 0.35, 0.55, 0.8, 1.0};
    for (int s = 0; s < 5; ++s) {
        standards->vChangeConcVal(2.0 * (s + 1) + 0.1 * s * s, s);
        vFeed(*standards, {readings[s]});
    }
    standards->vCalibrate();
    return standards;
}

std::unique_ptr<CUVUnknownData> MakeUnknowns(int W, ECalc calc, double dConc0) {
    auto doc = std::make_unique<CUVUnknownData>(0, kSamples, kReps, W, W);
    doc->vSetStatisticalMode(1);
    doc->vSetStatisticsNum(2);
    doc->vSetSampleNo(0, 0);   // a blank first,
    doc->vSetSampleNo(4, 0);   // another in the middle,
    doc->vSetSampleNo(6, -1);  // and a sample excluded from the statistics
    auto* pInst = new CUVInstrParameters;
    pInst->m_bConcCorrect = 1;
    doc->vSetInstParam(pInst);
    doc->vSetConcRevision(1);
    for (int s = 0; s < kSamples; ++s) {
        doc->vSetWeightSetting(s, 0.5 + 0.1 * s);
        doc->vSetSolvent(s, 10.0);
        doc->vSetDilutionRatio(s, 1.0 + s % 3);
        doc->vSetRevisionCoef(s, 0.98);
    }
    if (W == 3) {
        doc->pdGetWave()[0] = 400.0;
        doc->pdGetWave()[1] = 450.0;
        doc->pdGetWave()[2] = 520.0;
    }
    switch (calc) {
        case ECalc::kReadings:
            break;
        case ECalc::kStandardsList:
            doc->vSetResultType(1);
            doc->vSetConc0Data(dConc0);
            break;
        case ECalc::kManualLine:
            vUseManualLine(*doc, 0.25, 12.5);
            doc->vSetManualCalibOrder(2);
            doc->vSetCoeff(2, -1.5);
            doc->vCalcConc0Data();
            break;
        case ECalc::kRatio:
            doc->vSetResultType(2);
            doc->vSetKFactor(0, 0.5);
            doc->vSetKFactor(1, 1.25);
            doc->vSetRatioOperand(0);
            break;
    }
    return doc;
}

void vFeedPointByPoint(CUVUnknownData& doc, const CFeed& feed, const CCalibList* pList) {
    for (int p = 0; p < kPoints + kExtraPoints; ++p) {
        if (feed.skipped[static_cast<size_t>(p)] != 0) {
            doc.vSkipData();
        } else {
            std::vector<CDoublePt> readings;
            for (int k = 0; k < feed.W; ++k) {
                readings.emplace_back(500.0,
                                      feed.transmittances[static_cast<size_t>(p * feed.W + k)]);
            }
            doc.iAddValues(readings.data(), feed.W);
        }
        if (pList != nullptr) {
            doc.vCalcConc(p / kReps, p % kReps, pList);
        }
    }
}

// Two blocks of uneven length, the first ending inside a sample; the concentrations in two
// ranges; the statistics once.
void vFeedInBlocks(CUVUnknownData& doc, const CFeed& feed, const CCalibList* pList, ECalc calc) {
    const int iFirst = 7;
    doc.iAddValuesBlock(feed.transmittances.data(), feed.skipped.data(), iFirst);
    doc.iAddValuesBlock(feed.transmittances.data() + iFirst * feed.W, feed.skipped.data() + iFirst,
                        kPoints + kExtraPoints - iFirst);
    if (pList != nullptr) {
        doc.vCalcConcBlock(0, 13, pList);
        doc.vCalcConcBlock(13, kPoints + kExtraPoints, pList);
    }
    if (calc == ECalc::kRatio) {
        doc.vCalcStatisticsRatio();
    } else if (calc != ECalc::kReadings) {
        doc.vCalcStatistics();
    }
}

std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

void vExpectSameDocuments(CUVUnknownData& a, CUVUnknownData& b, int W) {
    ASSERT_EQ(a.iGetNumPts(), b.iGetNumPts());
    for (int i = 0; i < kPoints * W; ++i) {
        EXPECT_EQ(Bits(a.pdGetRawData()[i]), Bits(b.pdGetRawData()[i])) << "raw " << i;
    }
    for (int p = 0; p < kPoints; ++p) {
        const int s = p / kReps;
        const int r = p % kReps;
        EXPECT_EQ(a.bGetMeasured(p), b.bGetMeasured(p)) << p;
        EXPECT_EQ(a.bGetManualStd(p), b.bGetManualStd(p)) << p;
        EXPECT_EQ(Bits(a.pdGetXData()[p]), Bits(b.pdGetXData()[p])) << "X " << p;
        EXPECT_EQ(Bits(a.pdGetYData()[p]), Bits(b.pdGetYData()[p])) << "Y " << p;
        EXPECT_EQ(Bits(a.GetValue(p).x), Bits(b.GetValue(p).x)) << "display x " << p;
        EXPECT_EQ(Bits(a.GetValue(p).y), Bits(b.GetValue(p).y)) << "display y " << p;
        EXPECT_EQ(Bits(a.dGetRatio(s, r)), Bits(b.dGetRatio(s, r))) << "ratio " << p;
        EXPECT_EQ(Bits(a.dGetEvaluatedReading(p)), Bits(b.dGetEvaluatedReading(p))) << p;
    }
    for (int s = 0; s < kSamples; ++s) {
        EXPECT_EQ(Bits(a.dGetConc(s)), Bits(b.dGetConc(s))) << "conc " << s;
        EXPECT_EQ(Bits(a.dGetSD(s)), Bits(b.dGetSD(s))) << "SD " << s;
        EXPECT_EQ(Bits(a.dGetMeanConc(s)), Bits(b.dGetMeanConc(s))) << "mean " << s;
    }
    EXPECT_EQ(Bits(a.dGetBlkData()), Bits(b.dGetBlkData()));
}

}  // namespace

TEST(UnknownBlockPath, EveryStoredValueMatchesThePointByPointPathForEveryResultType) {
    const auto standards = SegmentedStandards();
    const CCalibList* pList = standards->pGetCalibList();
    ASSERT_EQ(pList->GetSize(), 4);
    for (const int W : {1, 2, 3}) {
        const CFeed feed = MakeFeed(W);
        for (const ECalc calc :
             {ECalc::kReadings, ECalc::kStandardsList, ECalc::kManualLine, ECalc::kRatio}) {
            if (calc == ECalc::kRatio && W == 1) {
                continue;  // a ratio needs two or three wavelengths
            }
            SCOPED_TRACE(testing::Message()
                         << "W " << W << ", calculation " << static_cast<int>(calc));
            const CCalibList* pUsed = calc == ECalc::kStandardsList ? pList : nullptr;
            const auto pointwise = MakeUnknowns(W, calc, standards->dGetBlkData());
            const auto block = MakeUnknowns(W, calc, standards->dGetBlkData());
            vFeedPointByPoint(*pointwise, feed, pUsed);
            vFeedInBlocks(*block, feed, pUsed, calc);
            vExpectSameDocuments(*pointwise, *block, W);
            // The feed reached every kind of point: concentrations of the last sample and a
            // blank that corrected the samples after it.
            if (calc == ECalc::kStandardsList || calc == ECalc::kManualLine) {
                EXPECT_TRUE(photoquant::bHasValue(block->dGetMeanConc(kSamples - 1)));
                EXPECT_EQ(block->dGetConc(4), 0.0);
            }
        }
    }
}

// While a remeasurement is pending the single intake routes every point to the point measured
// again; so does the block.
TEST(UnknownBlockPath, PendingRemeasurementRoutesTheBlockAsTheSingleIntakeDoes) {
    CUVUnknownData doc(0, 2, 2, 1, 1);
    vFeed(doc, {0.1, 0.2});
    doc.vSetRemeasureMode(0, 1, -1);
    const double t[2] = {std::pow(10.0, -0.3), std::pow(10.0, -0.4)};
    doc.iAddValuesBlock(t, nullptr, 2);
    EXPECT_DOUBLE_EQ(doc.GetValue(1).y, 0.4);  // point 1 written twice, the last reading stays
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.1);
    EXPECT_EQ(doc.iGetNumPts(), 2);  // nothing appended
}
