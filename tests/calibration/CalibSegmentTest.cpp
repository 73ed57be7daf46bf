#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "calibration/CalibSegment.h"
#include "document/PhotometricNumbers.h"

using namespace photoquant;

namespace {

// A segment of the given direction over the concentration range [lo, hi].
CCalibSegment segment(int order, int direction, std::array<double, 4> c, double lo = 0.0,
                      double hi = 0.0) {
    CCalibSegment seg;
    seg.m_iOrder = order;
    seg.m_iDirection = direction;
    std::copy(c.begin(), c.end(), seg.m_dCoeff);
    seg.m_dXMin = lo;
    seg.m_dXMax = hi;
    return seg;
}

// (r − 1)(r − 2)(r − 3) = r³ − 6r² + 11r − 6, solved for reading 0: roots 3, 1, 2 in that order.
double dRootOfOneTwoThree(double lo, double hi) {
    return segment(3, 0, {-6.0, 11.0, -6.0, 1.0}, lo, hi).dEvaluateX(0.0);
}

// (r − 1)²(r + 2) = r³ − 3r + 2: the double-root case, r1 = −2 and r2 = 1.
double dRootOfDoubleRoot(double lo, double hi) {
    return segment(3, 0, {2.0, -3.0, 0.0, 1.0}, lo, hi).dEvaluateX(0.0);
}

}  // namespace

TEST(CalibSegment, OrdersOtherThanOneToThreeGiveNoConcentration) {
    for (const int order : {0, 4}) {
        for (const int direction : {0, 1}) {
            EXPECT_EQ(segment(order, direction, {1.0, 2.0, 0.0, 0.0}).dEvaluateY(3.0), 0.0);
            EXPECT_EQ(segment(order, direction, {1.0, 2.0, 0.0, 0.0}).dEvaluateX(3.0), kNoValue);
        }
    }
}

TEST(CalibSegment, LowerOrdersSolveForTheStraightQuotientOrThePlusRoot) {
    EXPECT_EQ(segment(1, 1, {0.5, 1e-17, 0, 0}).dEvaluateY(3.0), 0.0);       // flat: guarded
    EXPECT_EQ(segment(1, 0, {1.0, 0, 0, 0}).dEvaluateX(2.0), INFINITY);      // (2 − 1) / 0
    EXPECT_TRUE(std::isnan(segment(1, 0, {1.0, 0, 0, 0}).dEvaluateX(1.0)));  // 0 / 0
    EXPECT_EQ(segment(1, 0, {2.0, 4.0, 0, 0}).dCalcConc0Data(), 2.0);        // c0
    EXPECT_EQ(segment(1, 1, {2.0, 4.0, 0, 0}).dCalcConc0Data(), -0.5);       // 2 + 4·r = 0
    EXPECT_EQ(segment(2, 0, {0, 0, 1.0, 0}).dEvaluateX(4.0), 2.0);           // r² = 4
    EXPECT_EQ(segment(2, 0, {0, 0, 1.0, 0}).dEvaluateX(-1.0), kNoValue);     // r² = −1
    EXPECT_EQ(segment(2, 1, {-4.0, 0, 1.0, 0}).dCalcConc0Data(), 2.0);       // r² − 4 = 0
    // 4r − r² = 3 has roots 1 and 3; the plus root (−4 + √4) / (−2) = 1 is where the curve rises.
    EXPECT_EQ(segment(2, 0, {0, 4.0, -1.0, 0}, 2.0, 5.0).dEvaluateX(3.0), 1.0);
}

TEST(CalibSegment, ZeroLeadingCoefficientIsSolvedAsTheLowerOrder) {
    EXPECT_EQ(segment(3, 0, {0, 0, 1.0, 0}).dEvaluateX(4.0), 2.0);    // r² = 4
    EXPECT_EQ(segment(2, 0, {1.0, 2.0, 0, 0}).dEvaluateX(5.0), 2.0);  // 1 + 2r = 5
    EXPECT_EQ(segment(2, 1, {1.0, 1e-17, 0, 0}).dEvaluateY(5.0), 0.0);
}

TEST(CalibSegment, EvaluationKeepsTheProductOrderOfExistingCalibrations) {
    EXPECT_NE(0.1 * 0.3 * 0.3 * 0.3, 0.3 * 0.3 * 0.3 * 0.1);  // 0.0026999999999999997, 0.0027
    EXPECT_EQ(segment(3, 0, {0, 0, 0, 0.1}).dEvaluateY(0.3), 0.1 * 0.3 * 0.3 * 0.3);
    EXPECT_EQ(segment(3, 1, {0, 0, 0, 0.1}).dEvaluateX(0.3), 0.3 * 0.3 * 0.3 * 0.1);
}

TEST(CalibSegment, CubicWithThreeRealRootsTakesTheOneInsideOrTheNearest) {
    // 1 + (2/√3)·sin(5π/6)·(2π/3 − 2.094393333333333) = 1 + 0.57735·1.76906e-6: π as 3.14159.
    EXPECT_NE(dRootOfOneTwoThree(0.5, 1.5), 1.0);
    EXPECT_NEAR(dRootOfOneTwoThree(0.5, 1.5), 1.0000010214, 1e-10);
    EXPECT_EQ(dRootOfOneTwoThree(0.5, 2.5), kNoValue);
    EXPECT_NEAR(dRootOfOneTwoThree(10.0, 20.0), 3.0, 1e-12);  // 7 from 10; 2 is 8 off, 1 is 9
    // 2 − (2/√3)·(4π/3 − 4.188786666666666) = 1.9999959145 is 0.3 below 2.3; 3 is 0.4 above 2.6.
    EXPECT_NEAR(dRootOfOneTwoThree(2.3, 2.6), 1.9999959145, 1e-10);
    // Every distance to DBL_MAX rounds to DBL_MAX: a six-way tie goes to the first root.
    EXPECT_NEAR(dRootOfOneTwoThree(kNoValue, kNoValue), 3.0, 1e-12);
    CCalibSegment fitted = segment(3, 1, {-6.0, 11.0, -6.0, 1.0});
    fitted.m_dYMin = -kNoValue;
    fitted.m_dYMax = kNoValue;
    EXPECT_EQ(fitted.dEvaluateY(0.0), kNoValue);
    EXPECT_TRUE(std::isnan(fitted.dEvaluateY(NAN)));
}

TEST(CalibSegment, CubicWithOneOrADoubleRealRoot) {
    EXPECT_NEAR(segment(3, 0, {0, 1.0, 0, 1.0}, 5.0, 6.0).dEvaluateX(2.0), 1.0, 1e-12);  // 1 + 1
    EXPECT_NEAR(segment(3, 0, {0, 1.0, 0, 1.0}, 5.0, 6.0).dEvaluateX(-2.0), -1.0, 1e-12);  // −1 − 1
    EXPECT_EQ(dRootOfDoubleRoot(0.0, 5.0), 1.0);
    EXPECT_EQ(dRootOfDoubleRoot(-3.0, -1.0), -2.0);
    EXPECT_EQ(dRootOfDoubleRoot(-2.0, 1.0), kNoValue);  // both on a bound, both inside
    EXPECT_EQ(dRootOfDoubleRoot(10.0, 20.0), 1.0);      // 9 from 10, against 12
    EXPECT_EQ(dRootOfDoubleRoot(-0.5, -0.5), -2.0);     // 1.5 from either: the first root
}
