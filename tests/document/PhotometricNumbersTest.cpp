#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <vector>

#include "document/RoundingBlock.h"
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

TEST(PhotometricNumbers, DecimalPlacesAreHeldToWhatADoubleCarries) {
    // 15 decimals at most, 17 significant digits at most, whatever the setting.
    EXPECT_EQ(dRoundDecimals(0.125, INT_MAX), 0.125);
    EXPECT_EQ(sFixed(2.5, INT_MAX), "2.500000000000000");
    EXPECT_EQ(sGeneral(0.1, INT_MAX), "0.10000000000000001");
}

// The block rounding of the intake gives every value, to the last bit, what the single rounding
// gives it: halves, values that leave the integer range once scaled, and values that are not usable
// (passed back unchanged), over more values than one chunk holds.
TEST(PhotometricNumbers, BlockRoundingMatchesTheSingleRoundingBitForBit) {
    const double samples[] = {0.125,
                              -0.005,
                              0.30103,
                              1.0 / 3.0,
                              2.5e-308,
                              1e-310,
                              2.1e6,
                              -3.3e9,
                              1e300,
                              -0.0,
                              kNoValue,
                              15000.0,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity()};
    std::vector<double> values;
    for (int i = 0; i < 600; ++i) {
        values.push_back(samples[i % std::size(samples)] * (1.0 + i / 7.0));
    }
    for (const int n : {-1, 0, 2, 4, 9, 16}) {
        std::vector<double> block = values;
        detail::vRoundDecimals(block.data(), block.size(), n);
        for (size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(block[i]),
                      std::bit_cast<std::uint64_t>(dRoundDecimals(values[i], n)))
                << values[i] << " to " << n << " places";
        }
    }
}
