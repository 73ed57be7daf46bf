#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "contracts/numkit/LeastSquaresFit.h"

TEST(LeastSquaresFit, TextbookLineGivesItsSlopeInterceptAndR2) {
    const CDoublePt points[] = {{1, 2}, {2, 4}, {3, 5}, {4, 4}, {5, 5}};
    // xbar 3, ybar 4, Sxy 6, Sxx 10: slope 0.6, intercept 4 - 1.8; SS_tot 6, SS_reg 0.36*10 = 3.6
    const CLeastSquaresFit line(points, 5, 1, 0);
    EXPECT_NEAR(line.dGetCoeff(1), 0.6, 1e-14);
    EXPECT_NEAR(line.dGetCoeff(0), 2.2, 1e-14);
    EXPECT_NEAR(line.dGetR2(), 0.6, 1e-14);
    EXPECT_NEAR(line.dGetR(), std::sqrt(0.6), 1e-14);
    // Through the origin: slope sum(xy)/sum(x^2) = 66/55 = 1.2; residuals 0.8 1.6 1.4 -0.8 -1
    // give SS_res 6.8 against the uncentred sum(y^2) = 86
    const CLeastSquaresFit origin(points, 5, 1, 1);
    EXPECT_EQ(origin.dGetCoeff(0), 0.0);
    EXPECT_NEAR(origin.dGetCoeff(1), 1.2, 1e-14);
    EXPECT_NEAR(origin.dGetR2(), 1.0 - 6.8 / 86.0, 1e-14);
    // Readings that do not vary tell nothing about a slope: no fit, rather than a perfect one.
    const CDoublePt constant[] = {{1, 0.1}, {2, 0.1}, {3, 0.1}};
    const CDoublePt zeros[] = {{1, 0.0}, {2, 0.0}, {3, 0.0}};
    for (const CLeastSquaresFit& flat :
         {CLeastSquaresFit(constant, 3, 1, 0), CLeastSquaresFit(constant, 3, 2, 0),
          CLeastSquaresFit(zeros, 3, 1, 1), CLeastSquaresFit(zeros, 3, 1, 0)}) {
        EXPECT_EQ(flat.bIsValid(), 0);
        EXPECT_EQ(flat.dGetR(), 0.0);
        EXPECT_EQ(flat.dGetR2(), 0.0);
        EXPECT_EQ(flat.dGetCoeff(1), 0.0);
    }
    // Through the origin flat non-zero readings still say how far the line is from them.
    EXPECT_EQ(CLeastSquaresFit(constant, 3, 1, 1).bIsValid(), 1);
}

TEST(LeastSquaresFit, CubicFarFromTheOriginKeepsItsCoefficients) {
    // (x - 1003)^3 = x^3 - 3*1003 x^2 + 3*1003^2 x - 1003^3, exact integers on x = 1000..1010
    const std::vector<double> c = {-1009027027.0, 3018027.0, -3009.0, 1.0};
    std::vector<CDoublePt> points;
    for (int x = 1000; x <= 1010; ++x) {
        points.emplace_back(x, std::pow(x - 1003.0, 3));
    }
    const CLeastSquaresFit fit(points.data(), 11, 3, 0);
    ASSERT_TRUE(fit.bIsValid());
    for (int p = 0; p <= 3; ++p) {
        EXPECT_NEAR(fit.dGetCoeff(p), c[static_cast<size_t>(p)], 1e-6 * std::fabs(c[p])) << p;
    }
    EXPECT_NEAR(fit.dGetR2(), 1.0, 1e-12);
}

TEST(LeastSquaresFit, UnusableInputGivesAnInvalidFitReadingZero) {
    const CDoublePt line[] = {{1, 1}, {2, 2}, {3, 3}};
    const CDoublePt sameX[] = {{2, 1}, {2, 2}, {2, 3}};
    const CDoublePt twoAbscissae[] = {{1, 1}, {1, 2}, {3, 3}, {3, 4}};
    const CDoublePt notFinite[] = {{1, 1}, {2, std::nan("")}, {3, 3}};
    const CLeastSquaresFit fits[] = {
        {line, 2, 2, 0},         {line, 3, 0, 0},      {line, 3, 4, 0},   {sameX, 3, 1, 0},
        {twoAbscissae, 4, 2, 0}, {notFinite, 3, 1, 0}, {nullptr, 3, 1, 0}};
    for (const CLeastSquaresFit& fit : fits) {
        EXPECT_FALSE(fit.bIsValid());
        for (int i = 0; i < CLeastSquaresFit::kResultSize; ++i) {
            EXPECT_EQ(fit.pdGetResult()[i], 0.0);
        }
        EXPECT_EQ(fit.dGetR2(), 0.0);
    }
    // Through the origin an order-2 curve has two unknowns: two points suffice
    EXPECT_TRUE(CLeastSquaresFit(line, 2, 2, 1).bIsValid());
    // A thousand readings at two concentrations still fix only a line: the rounding of a
    // decomposition of 1,000 rows must not pass for a third pivot. At three concentrations the
    // quadratic is there.
    std::vector<CDoublePt> twoLevels;
    std::vector<CDoublePt> threeLevels;
    for (int i = 0; i < 1000; ++i) {
        const double scatter = 1e-4 * (i % 4);
        twoLevels.emplace_back(i % 2 == 0 ? 0.5 : 50.0, 0.01 * (i % 2) + scatter);
        threeLevels.emplace_back(0.5 + 24.75 * (i % 3), 0.01 * (i % 3) + scatter);
    }
    EXPECT_FALSE(CLeastSquaresFit(twoLevels.data(), 1000, 2, 0).bIsValid());
    EXPECT_FALSE(CLeastSquaresFit(twoLevels.data(), 1000, 3, 0).bIsValid());
    EXPECT_FALSE(CLeastSquaresFit(twoLevels.data(), 1000, 3, 1).bIsValid());
    EXPECT_TRUE(CLeastSquaresFit(twoLevels.data(), 1000, 1, 0).bIsValid());
    EXPECT_TRUE(CLeastSquaresFit(threeLevels.data(), 1000, 2, 0).bIsValid());
}
