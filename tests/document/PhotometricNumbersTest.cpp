#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "photoquant.h"

using namespace photoquant;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(PhotometricNumbers, UsableMeansZeroOrAMagnitudeStrictlyInsideTheNormalRange) {
    EXPECT_TRUE(bIsUsable(0.0));
    EXPECT_TRUE(bIsUsable(-5.0));
    EXPECT_TRUE(bIsUsable(1e307));
    EXPECT_FALSE(bIsUsable(kMinPositive));  // the bounds themselves are outside
    EXPECT_FALSE(bIsUsable(kNoValue));
    EXPECT_FALSE(bIsUsable(-kNoValue));
    EXPECT_FALSE(bIsUsable(1e-310));  // subnormal
    EXPECT_FALSE(bIsUsable(kInf));
    EXPECT_FALSE(bIsUsable(kNaN));
}

TEST(PhotometricNumbers, RoundingGoesHalfAwayFromZeroWithASmallBiasAndPassesUnusableValues) {
    EXPECT_DOUBLE_EQ(dRoundDecimals(0.125, 2), 0.13);    // 12.5 + 0.5 -> 13 -> 0.13
    EXPECT_DOUBLE_EQ(dRoundDecimals(-0.005, 2), -0.01);  // -0.5 - 0.5 -> -1 -> -0.01
    EXPECT_DOUBLE_EQ(dRoundDecimals(-0.4, 0), 0.0);      // -0.9000001 truncates to 0
    EXPECT_EQ(iRoundHalfAway(-2.5), -3);
    // The bias lifts values a hair below the half.
    EXPECT_DOUBLE_EQ(dRoundDecimals(0.4999999, 0), 1.0);    // 0.4999999 + 0.50000012 >= 1
    EXPECT_DOUBLE_EQ(dRoundDecimals(0.4999998, 0), 0.0);    // 0.4999998 + 0.50000012 < 1
    EXPECT_DOUBLE_EQ(dRoundDecimals(-0.4999999, 0), -1.0);  // mirrored below zero
    EXPECT_TRUE(std::isnan(dRoundDecimals(kNaN, 2)));
    EXPECT_EQ(dRoundDecimals(kInf, 2), kInf);
    EXPECT_EQ(dRoundDecimals(kNoValue, 4), kNoValue);
    EXPECT_EQ(dRoundDecimals(1e-310, 2), 1e-310);
}

TEST(PhotometricNumbers, ValuesOutsideTheIntegerRangeAreScaledButNotRounded) {
    EXPECT_DOUBLE_EQ(dRoundDecimals(2147483645.6, 0), 2147483646.0);  // inside: rounded
    EXPECT_DOUBLE_EQ(dRoundDecimals(2147483646.4, 0), 2147483646.4);  // not below 2147483646
    EXPECT_DOUBLE_EQ(dRoundDecimals(-2147483646.4, 0), -2147483646.0);
    EXPECT_DOUBLE_EQ(dRoundDecimals(-2147483647.4, 0), -2147483647.4);  // not above -2147483647
}

TEST(PhotometricNumbers, FixedNotationWritesTheAskedDecimals) {
    EXPECT_EQ(sFixed(-0.5, 3), "-0.500");
    EXPECT_EQ(sFixed(1.0, -1), "1");  // no decimals below zero
}
