#include <gtest/gtest.h>

#include "contracts/numkit/PeakArea.h"

TEST(PeakArea, RombergIsExactForAParabola) {
    const double y[] = {0, 1, 4, 9, 16, 25, 36};  // x^2 at x = 0..6
    // 0..4: trapezoid 0/2 + 1 + 4 + 9 + 16/2 = 22; at step 2, 2*(0/2 + 4 + 16/2) = 24;
    // 22 + (22 - 24)/3 = 64/3, the integral of x^2 from 0 to 4
    EXPECT_DOUBLE_EQ(dPeakArea(y, 7, 0, 4, 1.0, 1), 22.0);
    EXPECT_DOUBLE_EQ(dPeakArea(y, 7, 0, 4, 1.0, 2), 64.0 / 3.0);
    // 0..5, odd number of intervals: 64/3 over 0..4, then the trapezoid (16 + 25)/2 over 4..5
    EXPECT_DOUBLE_EQ(dPeakArea(y, 7, 0, 5, 1.0, 2), 64.0 / 3.0 + 20.5);
    // 1..5 starts on an odd point: (1 + 25)/2 + 4 + 9 + 16 = 42; 2*((1 + 25)/2 + 9) = 44;
    // 42 - 2/3 = 124/3, the integral of x^2 from 1 to 5
    EXPECT_DOUBLE_EQ(dPeakArea(y, 7, 1, 5, 1.0, 2), 124.0 / 3.0);
}

TEST(PeakArea, LastPointNeverCountsAndTheRangeIsCutToTheData) {
    const double y[] = {1, 1, 1, 1};
    EXPECT_DOUBLE_EQ(dPeakArea(y, 4, 0, 3, 1.0, 1), 2.5);  // 1/2 + 1 + 1, y3 left out
    EXPECT_DOUBLE_EQ(dPeakArea(y, 4, 0, 3, 1.0, 0), 3.0);
    EXPECT_DOUBLE_EQ(dPeakArea(y, 4, -5, 10, 1.0, 0), 3.0);
    EXPECT_EQ(dPeakArea(y, 4, 3, 1, 1.0, 0), 0.0);
    EXPECT_EQ(dPeakArea(y, 4, 2, 2, 1.0, 1), 0.0);  // no width
    EXPECT_EQ(dPeakArea(nullptr, 4, 0, 3, 1.0, 1), 0.0);
}
