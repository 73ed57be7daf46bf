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
