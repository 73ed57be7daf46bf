// Readings fed from a thread other than the user-interface thread, as the host's measurement thread
// does: the UI thread re-dimensions nothing while the feeder runs and reads the document only after
// joining it; the locked operations (intake, typed concentrations) may meet from both threads.
// These tests also run under ThreadSanitizer, which reports any access the lock does not cover.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "HostHelpers.h"
#include "photoquant.h"
#include "unknowns/UnknownsTestSupport.h"

namespace {

// Each feeder tags its points: feeder f's point i reads (1 + 1000 f + i) / 10000 at the first
// wavelength and twice that at the second, both below 1.
void vFeedTagged(CUVPhotometryData& doc, int iFeeder, int iCount, int& iAccepted) {
    for (int i = 0; i < iCount; ++i) {
        const double dTag = (1.0 + 1000.0 * iFeeder + i) / 10000.0;
        const CDoublePt readings[2] = {{400.0, dTag}, {500.0, 2.0 * dTag}};
        iAccepted += doc.iAddValues(readings, 2);
    }
}

// The tags of the stored points, sorted, against those of each feeder's first accepted adds; a
// point's two readings stay together.
void vExpectEveryAcceptedPointOnce(CUVPhotometryData& doc, const int (&accepted)[2]) {
    std::vector<double> stored;
    for (int p = 0; p < doc.iGetNumPts(); ++p) {
        stored.push_back(doc.pdGetRawData()[2 * p]);
        EXPECT_EQ(doc.pdGetRawData()[2 * p + 1], 2.0 * stored.back()) << p;
    }
    std::vector<double> expected;
    for (int feeder = 0; feeder < 2; ++feeder) {
        for (int i = 0; i < accepted[feeder]; ++i) {
            expected.push_back((1.0 + 1000.0 * feeder + i) / 10000.0);
        }
    }
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(stored, expected);
}

// Feeder f's call i: every fifth point skipped, the others measured at two wavelengths with
// readings tagged by feeder and call.
void vFeedAndSkip(CUVUnknownData& doc, int iFeeder, int iCount) {
    for (int i = 0; i < iCount; ++i) {
        if (i % 5 == 4) {
            doc.vSkipData();
        } else {
            iAdd(doc, {0.2 + 0.001 * i, 0.5 + 0.2 * iFeeder});
        }
    }
}

// Two feeders into one unknowns document with statistics on, then the results as one pass over
// the stored points gives them: each measured point's result from its own readings, and each
// sample's mean over its measured replicates.
template <class PointResult>
void vExpectResultsOfTwoFeeders(CUVUnknownData& doc, PointResult dResultOf) {
    constexpr int kSamples = 60;
    doc.vSetStatisticalMode(1);
    std::thread first(vFeedAndSkip, std::ref(doc), 0, 80);
    std::thread second(vFeedAndSkip, std::ref(doc), 1, 80);
    first.join();
    second.join();

    for (int s = 0; s < kSamples; ++s) {
        double dSum = 0.0;
        int n = 0;
        for (int r = 0; r < 2; ++r) {
            if (doc.bGetMeasured(2 * s + r) != 0) {
                dSum += dResultOf(s, r);
                ++n;
            }
        }
        EXPECT_NEAR(doc.dGetMeanConc(s), n > 0 ? dSum / n : 0.0, 1e-12) << s;
    }
}

}  // namespace

TEST(Concurrency, ConcentrationsTypedDuringTheIntakeReachEveryPoint) {
    constexpr int kSamples = 100;
    CUVPhotometryData doc(0, kSamples, 3, 1, 1);
    std::thread feeder([&doc] {
        for (int p = 0; p < 3 * kSamples; ++p) {
            iAdd(doc, {0.5});
        }
    });
    for (int s = 0; s < kSamples; ++s) {
        doc.vChangeConcVal(s + 0.5, s);  // the UI thread, while the feeder runs
    }
    feeder.join();

    for (int p = 0; p < 3 * kSamples; ++p) {
        EXPECT_EQ(doc.GetValue(p).x, p / 3 + 0.5);  // whichever came first, the X is the sample's
    }
}

// Both documents locate the point an intake filled after the store; the unknowns document does it
// under the same lock, or the other feeder could move the cursor in between.
template <class TDocument>
class TwoFeeders : public ::testing::Test {};

struct CDocumentName {
    template <class TDocument>
    static std::string GetName(int) {
        return std::is_same_v<TDocument, CUVStandardData> ? "Standards" : "Unknowns";
    }
};

using FedDocuments = ::testing::Types<CUVStandardData, CUVUnknownData>;
TYPED_TEST_SUITE(TwoFeeders, FedDocuments, CDocumentName);

TYPED_TEST(TwoFeeders, StoreEveryAcceptedPointOnceWithItsReadingsTogether) {
    constexpr int kPerFeeder = 150;
    TypeParam doc(0, kPerFeeder, 2, 2, 2);  // room for 2 * kPerFeeder points
    int accepted[2] = {0, 0};
    std::thread first(vFeedTagged, std::ref(doc), 0, kPerFeeder + 10, std::ref(accepted[0]));
    std::thread second(vFeedTagged, std::ref(doc), 1, kPerFeeder + 10, std::ref(accepted[1]));
    first.join();
    second.join();

    EXPECT_EQ(accepted[0] + accepted[1], 2 * kPerFeeder);
    ASSERT_EQ(doc.iGetNumPts(), 2 * kPerFeeder);
    vExpectEveryAcceptedPointOnce(doc, accepted);
}

TEST(Concurrency, SpectraFedFromAnotherThreadAreReducedToTheirPeakAreas) {
    // 21 points from 460 nm down to 440 nm, a triangle of height h with its apex at 450 nm.
    constexpr int kSpectra = 40;
    constexpr int kPoints = 21;
    CUVStandardData doc(1, kSpectra, 1, kPoints, kPoints);
    std::thread feeder([&doc] {
        for (int s = 0; s < kSpectra; ++s) {
            std::vector<double> y(kPoints);
            for (int i = 0; i < kPoints; ++i) {
                y[static_cast<size_t>(i)] = (s + 1) * (1.0 - std::abs(i - 10) / 10.0);
            }
            CUVWaveData spectrum(460.0, 1.0, y.data(), kPoints);
            doc.iAddPeakValues(&spectrum);
        }
    });
    feeder.join();

    ASSERT_EQ(doc.iGetNumPts(), kSpectra);
    for (int s = 0; s < kSpectra; ++s) {
        // Rectangles over points 0..19 (the last never counts): h (1 + 2 (0.9 + ... + 0.1)) = 10 h.
        EXPECT_NEAR(doc.GetValue(s).y, 10.0 * (s + 1), 1e-9);
    }
}

TEST(Concurrency, TwoFeedersWithStatisticsLeaveEveryConcentrationAndRatioAsOneFeederWould) {
    // Manual calibration: concentration = 2 * displayed reading (A2 - A1).
    CUVUnknownData conc(0, 60, 2, 2, 2);
    vUseManualLine(conc, 0.0, 2.0);
    vExpectResultsOfTwoFeeders(conc, [&conc](int s, int r) {
        const CDoublePt point = conc.GetValue(2 * s + r);
        EXPECT_EQ(point.x, 2.0 * point.y);
        return point.x;
    });

    // Ratio A1 / A2 of the raw readings (K-factors 1, operand times).
    CUVUnknownData ratio(0, 60, 2, 2, 2);
    ratio.vSetResultType(2);
    vExpectResultsOfTwoFeeders(ratio, [&ratio](int s, int r) {
        const double* pdRaw = ratio.pdGetRawData() + 2 * (2 * s + r);
        EXPECT_DOUBLE_EQ(ratio.dGetRatio(s, r),
                         std::log10(1.0 / pdRaw[0]) / std::log10(1.0 / pdRaw[1]));
        return ratio.dGetRatio(s, r);
    });
}
