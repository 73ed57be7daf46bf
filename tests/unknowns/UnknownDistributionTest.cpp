#include <gtest/gtest.h>

#include <cmath>

#include "UnknownsTestSupport.h"

using namespace photoquant;

namespace {

// Three samples at three stage positions, one wavelength. Sample 0 reads absorbances 1, 2, 3;
// sample 1 has flags 2, 1, 0 (only the 4 counts); sample 2 has no measured position.
CUVUnknownData* StageDocument() {
    const double absorbances[9] = {1, 2, 3, 5, 4, 6, 7, 8, 9};
    auto* pdRaw = new double[9];
    for (int i = 0; i < 9; ++i) {
        pdRaw[i] = std::pow(10.0, -absorbances[i]);
    }
    return new CUVUnknownData(0, 3, 3, 1, 1, 1, pdRaw, new double[1]{500.0},
                              new int[9]{1, 1, 1, 2, 1, 0, 0, 0, 0}, new int[3]{1, 2, 3});
}

}  // namespace

TEST(UnknownDistribution, PositionsSummariseIntoAverageRangeAndThreeSigma) {
    const std::unique_ptr<CUVUnknownData> doc(StageDocument());
    EXPECT_EQ(doc->dGetAverage(0, 0), kNoValue);  // initialised by the stage constructor
    doc->vCalculateDistribution();
    EXPECT_NEAR(doc->dGetAverage(0, 0), 2.0, 1e-12);
    EXPECT_NEAR(doc->dGetMax(0, 0), 3.0, 1e-12);
    EXPECT_NEAR(doc->dGetMin(0, 0), 1.0, 1e-12);
    EXPECT_NEAR(doc->dGetRange(0, 0), 2.0, 1e-12);
    EXPECT_NEAR(doc->dGetSigma(0, 0), 3.0 * std::sqrt(2.0 / 3.0), 1e-12);  // population SD
    EXPECT_NEAR(doc->dGetAverage(1, 0), 4.0, 1e-12);                       // flag 2 ignored
    EXPECT_EQ(doc->dGetSigma(1, 0), 0.0);
    EXPECT_EQ(doc->dGetAverage(2, 0), kNoValue);
    // Pooled readings 1, 2, 3, 4: mean 2.5, squares 2.25 + 0.25 + 0.25 + 2.25 = 5 over 4
    EXPECT_NEAR(doc->dGetAllSamplAverage(0), 2.5, 1e-12);
    EXPECT_NEAR(doc->dGetAllSamplRange(0), 3.0, 1e-12);
    EXPECT_NEAR(doc->dGetAllSamplSigma(0), 3.0 * std::sqrt(1.25), 1e-12);
    EXPECT_THROW(doc->dGetAverage(0, 1), std::out_of_range);
    EXPECT_THROW(doc->dGetAllSamplMax(-1), std::out_of_range);
}

TEST(UnknownDistribution, RedimensionedDocumentGetsFreshEntriesInsteadOfAnOverrun) {
    const std::unique_ptr<CUVUnknownData> doc(StageDocument());
    doc->vAddSample(0);  // four samples now, without re-initialising the distribution
    doc->vCalculateDistribution();
    EXPECT_EQ(doc->dGetAverage(3, 0), kNoValue);
    EXPECT_NEAR(doc->dGetAllSamplMax(0), 4.0, 1e-12);
    EXPECT_NEAR(doc->dGetAllSamplMin(0), 1.0, 1e-12);
    EXPECT_THROW(doc->dGetAverage(5, 0), std::out_of_range);
}

TEST(UnknownDistribution, AReadingThatIsNotANumberIsLeftOutLikeAMissingOne) {
    auto* pdRaw = new double[3]{std::nan(""), 1e-2, 1e-4};  // absorbances: none, 2 and 4
    CUVUnknownData doc(0, 1, 3, 1, 1, 1, pdRaw, new double[1]{500.0}, new int[3]{1, 1, 1},
                       new int[1]{1});
    doc.vCalculateDistribution();
    EXPECT_NEAR(doc.dGetAverage(0, 0), 3.0, 1e-12);  // (2 + 4) / 2
    EXPECT_NEAR(doc.dGetRange(0, 0), 2.0, 1e-12);
    EXPECT_NEAR(doc.dGetAllSamplSigma(0), 3.0, 1e-12);  // population SD 1, times 3
}
