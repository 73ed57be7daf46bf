#include <gtest/gtest.h>

#include "contracts/numkit/PeakArea.h"

using photoquant::detail::dPeakArea;

TEST(PeakArea, RombergCorrectsTheTrapezoidByTheCoarseSumAtTheSameStep) {
    const double y[] = {0, 1, 4, 9, 16, 25, 36};  // x^2 at x = 0..6
    // 0..4: T = 0/2 + 1 + 4 + 9 + 16/2 = 22; T2 = 0/2 + 4 + 16/2 = 12; (22 - 12)/3 + 22 = 76/3
    EXPECT_DOUBLE_EQ(dPeakArea(y, 7, 0, 4, 1.0, 1), 22.0);
    EXPECT_DOUBLE_EQ(dPeakArea(y, 7, 0, 4, 1.0, 2), 76.0 / 3.0);
    // 1..5: T = 1/2 + 4 + 9 + 16 + 25/2 = 42; T2 ends at 2*(5/2) = 4: 1/2 + 9 + 16/2 = 17.5;
    // (42 - 17.5)/3 + 42 = 301/6
    EXPECT_DOUBLE_EQ(dPeakArea(y, 7, 1, 5, 1.0, 2), 301.0 / 6.0);
    // step 0.5 scales every term: T = 11, T2 = 6, area 38/3
    EXPECT_DOUBLE_EQ(dPeakArea(y, 7, 0, 4, 0.5, 2), 38.0 / 3.0);
}

TEST(PeakArea, LastPointNeverCountsAndTheRangeIsCutToTheData) {
    const double y[] = {1, 1, 1, 1};
    EXPECT_DOUBLE_EQ(dPeakArea(y, 4, 0, 3, 1.0, 1), 2.5);  // 1/2 + 1 + 1, y3 left out
    EXPECT_DOUBLE_EQ(dPeakArea(y, 4, 0, 3, 1.0, 0), 3.0);
    EXPECT_DOUBLE_EQ(dPeakArea(y, 4, -5, 10, 1.0, 0), 3.0);
    EXPECT_EQ(dPeakArea(y, 4, 3, 1, 1.0, 0), 0.0);
    EXPECT_EQ(dPeakArea(y, 4, 2, 2, 1.0, 1), 1.0);  // a single point: 1/2 + 1/2
    EXPECT_EQ(dPeakArea(nullptr, 4, 0, 3, 1.0, 1), 0.0);
}
