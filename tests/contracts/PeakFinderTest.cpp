#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "contracts/numkit/PeakFinder.h"

namespace {

// Two Gaussian bands of sigma 5 points plus uniform noise in [-noise, noise] from a fixed sequence.
std::vector<CDoublePt> Bands(double centre1, double height1, double centre2, double height2,
                             double noise) {
    std::uint32_t state = 12345u;
    std::vector<CDoublePt> points;
    for (int i = 0; i < 101; ++i) {
        state = state * 1664525u + 1013904223u;
        const double d1 = i - centre1;
        const double d2 = i - centre2;
        points.emplace_back(i, height1 * std::exp(-d1 * d1 / 50.0) +
                                   height2 * std::exp(-d2 * d2 / 50.0) +
                                   noise * (2.0 * (state >> 8) / 16777216.0 - 1.0));
    }
    return points;
}

}  // namespace

TEST(PeakFinder, GaussiansArePeaksAtTheirCentresMeetingInTheValley) {
    CPeakList list;
    const auto single = Bands(40, 0.8, 0, 0, 0);
    CPeakFinder(101, single.data(), 0, 0.01).vCopyPeaks(list, 0);
    const auto pair = Bands(30, 0.5, 60, 0.5, 0);
    CPeakFinder(101, pair.data(), 0, 0.01).vCopyPeaks(list, 0);  // appended after the first
    ASSERT_EQ(list.GetSize(), 3);
    const CPeak* pSingle = list.GetAt(0);
    EXPECT_EQ(pSingle->m_iApex, 40);
    EXPECT_EQ(pSingle->m_dHeight, 0.8);
    EXPECT_EQ(pSingle->m_dArea, 0.0);  // integrating is the caller's
    EXPECT_EQ(pSingle->m_iStart, 0);   // the tails fall to the ends of the data
    EXPECT_EQ(pSingle->m_iEnd, 100);
    EXPECT_EQ(list.GetAt(1)->m_iApex, 30);
    EXPECT_EQ(list.GetAt(1)->m_iStart, 0);
    EXPECT_EQ(list.GetAt(1)->m_iEnd, 45);  // two equal bands: the valley lies halfway
    EXPECT_EQ(list.GetAt(2)->m_iStart, 45);
    EXPECT_EQ(list.GetAt(2)->m_iApex, 60);
    list.vDeleteAll();
}

TEST(PeakFinder, ThresholdKeepsTheBandAndDropsTheNoise) {
    const auto noisy = Bands(50, 0.5, 0, 0, 0.002);  // noise wiggles are at most 0.004 prominent
    for (int sensitivity = 0; sensitivity <= 2; ++sensitivity) {
        CPeakList list;
        ASSERT_EQ(CPeakFinder(101, noisy.data(), sensitivity, 0.01).iGetNumPeaks(), 1);
        CPeakFinder(101, noisy.data(), sensitivity, 0.01).vCopyPeaks(list, 0);
        EXPECT_NEAR(list.GetAt(0)->m_iApex, 50, 2) << sensitivity;
        EXPECT_EQ(list.GetAt(0)->m_dHeight, noisy[static_cast<size_t>(list.GetAt(0)->m_iApex)].y);
        list.vDeleteAll();
    }
    const auto noise = Bands(0, 0, 0, 0, 0.002);
    EXPECT_EQ(CPeakFinder(101, noise.data(), 0, 0.01).iGetNumPeaks(), 0);
    EXPECT_GT(CPeakFinder(101, noise.data(), 0, 0.0).iGetNumPeaks(), 10);
}

TEST(PeakFinder, PlateauApexIsItsFirstPointAndEndsAreNoPeaks) {
    const CDoublePt points[] = {{0, 0}, {1, 1}, {2, 3}, {3, 3}, {4, 3}, {5, 1}, {6, 0}, {7, 2}};
    CPeakList list;
    CPeakFinder(8, points, 0, 0.5).vCopyPeaks(list, 0);
    ASSERT_EQ(list.GetSize(), 1);  // the rise to the last point is no peak
    EXPECT_EQ(list.GetAt(0)->m_iApex, 2);
    EXPECT_EQ(list.GetAt(0)->m_iStart, 0);
    EXPECT_EQ(list.GetAt(0)->m_iEnd, 6);
    list.vDeleteAll();
    EXPECT_EQ(CPeakFinder(2, points, 0, 0.0).iGetNumPeaks(), 0);
    EXPECT_EQ(CPeakFinder(8, nullptr, 0, 0.0).iGetNumPeaks(), 0);
}

// A walk from an apex goes on over ground as high as the apex and stops at higher ground or at a
// reading that is not a number. Twin apexes of 2 at 1 and 3: each walks over the other, so both
// reach the 0 at the start on the left and stop at the 3 on the right after 0.5: prominence
// 2 - max(0, 0.5) = 1.5 (1 if the twin stopped the walk). Then the shoulder at 3 of the second
// curve walks right over 4.2 only, up to the missing reading: 4.5 - max(4, 4.2) = 0.3 (0.5 if the
// walk went on to the 0 beyond); its neighbours have 5 - 4 = 1 and 1 - 0 = 1.
TEST(PeakFinder, WalksPassEqualGroundAndStopAtAReadingThatIsNoNumber) {
    const CDoublePt twins[] = {{0, 0}, {1, 2}, {2, 1}, {3, 2}, {4, 0.5}, {5, 3}, {6, 0}};
    const CPeakFinder both(7, twins, 0, 1.2);
    ASSERT_EQ(both.iGetNumPeaks(), 3);
    EXPECT_EQ(both.GetPeak(0).m_iApex, 1);
    EXPECT_EQ(both.GetPeak(1).m_iApex, 3);
    EXPECT_EQ(CPeakFinder(7, twins, 0, 1.6).iGetNumPeaks(), 1);

    const double nan = std::nan("");
    const CDoublePt points[] = {{0, 0},   {1, 5}, {2, 4}, {3, 4.5}, {4, 4.2},
                                {5, nan}, {6, 0}, {7, 1}, {8, 0}};
    const CPeakFinder finder(9, points, 0, 0.4);
    ASSERT_EQ(finder.iGetNumPeaks(), 2);
    EXPECT_EQ(finder.GetPeak(0).m_iApex, 1);
    EXPECT_EQ(finder.GetPeak(0).m_iEnd, 6);
    EXPECT_EQ(finder.GetPeak(1).m_iStart, 6);
    EXPECT_EQ(finder.GetPeak(1).m_iApex, 7);
}

// One finder searching spectrum after spectrum finds what a new finder finds for each, and its
// peaks read one by one are those vCopyPeaks appends.
TEST(PeakFinder, FinderKeptAcrossSpectraFindsWhatANewOneFinds) {
    CPeakFinder kept;
    EXPECT_EQ(kept.iGetNumPeaks(), 0);
    for (const auto& spectrum : {Bands(30, 0.5, 60, 0.5, 0.002), Bands(50, 0.5, 0, 0, 0.002),
                                 Bands(0, 0, 0, 0, 0.002), Bands(20, 0.3, 75, 0.9, 0.001)}) {
        const CPeakFinder fresh(101, spectrum.data(), 1, 0.01);
        ASSERT_EQ(kept.iFindPeaks(101, spectrum.data(), 1, 0.01), fresh.iGetNumPeaks());
        CPeakList list;
        fresh.vCopyPeaks(list, 0);
        for (int k = 0; k < fresh.iGetNumPeaks(); ++k) {
            const CPeak peak = kept.GetPeak(k);
            EXPECT_EQ(peak.m_iStart, list.GetAt(k)->m_iStart);
            EXPECT_EQ(peak.m_iEnd, list.GetAt(k)->m_iEnd);
            EXPECT_EQ(peak.m_iApex, list.GetAt(k)->m_iApex);
            EXPECT_EQ(peak.m_dHeight, list.GetAt(k)->m_dHeight);
        }
        list.vDeleteAll();
    }
    EXPECT_EQ(kept.iFindPeaks(2, nullptr, 0, 0.0), 0);
    EXPECT_EQ(kept.GetPeak(0).m_iApex, 0);  // no peak: zeros
}
