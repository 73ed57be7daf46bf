#include "calibration/CalibSegment.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"

IMPLEMENT_DYNAMIC(CCalibSegment, CObject)

using namespace photoquant;

namespace {

// The angles between the three real roots of a cubic, (2/3)·π and (4/3)·π, with π taken as
// 3.14159. Calibrations already in use were computed with these two doubles, and results must
// match them to the last digit, so they are deliberately not the full-precision angles.
constexpr double kThirdTurn = 2.094393333333333;
constexpr double kTwoThirdsTurn = 4.188786666666666;
constexpr double kOneThird = 0.3333333333333333;

bool bAdmissible(double root, double lo, double hi) {
    return lo <= root && root <= hi;
}

// |v|^(1/3) with the sign of v put back.
double dSignedCubeRoot(double v) {
    const double root = std::pow(std::fabs(v), kOneThird);
    return v < 0.0 ? -root : root;
}

// The root nearest to either bound; on a tie the earlier root wins, and the last root is taken
// when no distance matches (a distance that is not a number matches nothing).
double dRootNearestToBounds(std::span<const double> roots, double lo, double hi) {
    double nearest = std::fabs(roots[0] - lo);
    for (const double root : roots) {
        nearest = std::min({nearest, std::fabs(root - lo), std::fabs(root - hi)});
    }
    for (size_t i = 0; i + 1 < roots.size(); ++i) {
        if (std::fabs(roots[i] - lo) == nearest || std::fabs(roots[i] - hi) == nearest) {
            return roots[i];
        }
    }
    return roots.back();
}

// Of the real roots of a cubic, the one inside [lo, hi], bounds included. Two or more roots inside
// leave the result undecided: kNoValue. With none inside, the root nearest to the interval.
double dChooseRoot(std::span<const double> roots, double lo, double hi) {
    int admissible = 0;
    double chosen = kNoValue;
    for (const double root : roots) {
        if (bAdmissible(root, lo, hi)) {
            ++admissible;
            chosen = root;
        }
    }
    if (admissible > 1) {
        return kNoValue;
    }
    return admissible == 1 ? chosen : dRootNearestToBounds(roots, lo, hi);
}

}  // namespace

CCalibSegment::~CCalibSegment() = default;

double CCalibSegment::dEvaluateY(double x) const {
    if (!bHasCurveOrder()) {
        return 0.0;
    }
    if (m_iDirection == kReadingFromConc) {
        return dPolynomialCoeffFirst(x);
    }
    if (m_iDirection == kConcFromReading) {
        return dSolve(x, m_dYMin, m_dYMax, true);
    }
    return 0.0;
}

double CCalibSegment::dEvaluateX(double y) const {
    if (!bHasCurveOrder()) {
        return kNoValue;
    }
    if (m_iDirection == kConcFromReading) {
        return dPolynomialArgumentFirst(y);
    }
    if (m_iDirection == kReadingFromConc) {
        return dSolve(y, m_dXMin, m_dXMax, false);
    }
    return kNoValue;
}

double CCalibSegment::dCalcConc0Data() const {
    return dEvaluateY(0.0);
}

// Both evaluations sum from the highest power down; they differ in the order of each product,
// ((c3·t)·t)·t here and ((t·t)·t)·c3 below. The two orders can differ in the last digit, and
// results must match existing calibrations to the last digit.
double CCalibSegment::dPolynomialCoeffFirst(double t) const {
    const double* c = m_dCoeff;
    switch (m_iOrder) {
        case 1:
            return c[1] * t + c[0];
        case 2:
            return (c[2] * t * t + c[1] * t) + c[0];
        default:
            return ((c[3] * t * t * t + c[2] * t * t) + c[1] * t) + c[0];
    }
}

double CCalibSegment::dPolynomialArgumentFirst(double t) const {
    const double* c = m_dCoeff;
    switch (m_iOrder) {
        case 1:
            return t * c[1] + c[0];
        case 2:
            return (t * t * c[2] + t * c[1]) + c[0];
        default:
            return ((t * t * t * c[3] + t * t * c[2]) + t * c[1]) + c[0];
    }
}

// A zero leading coefficient makes the curve one of lower order, and it is solved as such: the
// formulas of the full order would divide by that zero.
int CCalibSegment::iSolvableOrder() const {
    int order = m_iOrder;
    while (order > 1 && m_dCoeff[order] == 0.0) {
        --order;
    }
    return order;
}

double CCalibSegment::dSolve(double target, double lo, double hi, bool bFlatSlopeGivesZero) const {
    switch (iSolvableOrder()) {
        case 1:
            return dSolveStraight(target, bFlatSlopeGivesZero);
        case 2:
            return dSolveQuadratic(target);
        default:
            return dSolveCubic(target, lo, hi);
    }
}

// r = (target − c0) / c1. Solving for a reading treats a slope of at most kEpsilon as flat and
// gives 0.0; solving for a concentration leaves the quotient as it falls.
double CCalibSegment::dSolveStraight(double target, bool bFlatSlopeGivesZero) const {
    if (bFlatSlopeGivesZero && std::fabs(m_dCoeff[1]) <= kEpsilon) {
        return 0.0;
    }
    return (target - m_dCoeff[0]) / m_dCoeff[1];
}

// disc = c1·c1 − (c0 − target)·c2·4; r = (−c1 + √disc) / (2·c2). The plus root is the one where
// the curve rises (P'(r) = √disc), and it is taken whatever the admissible interval.
double CCalibSegment::dSolveQuadratic(double target) const {
    const double* c = m_dCoeff;
    const double disc = c[1] * c[1] - (c[0] - target) * c[2] * 4.0;
    if (disc < 0.0) {
        return kNoValue;
    }
    return (-c[1] + std::sqrt(disc)) / (2.0 * c[2]);
}

// Reduced to z³ + p·z + q = 0 with r = z − b/3, where a = c1/c3 and b = c2/c3:
//     p = (3·a − b²) / 3,   q = (27·(c0 − target)/c3 + (2·b³ − 9·b·a)) / 27,   D = p³/27 + q²/4
// D > 0: one real root, Cardano's U + V − b/3 with U, V = ∛(−q/2 ± √D), admissible or not.
// D = 0: a single root (U + V) − b/3 and a double root −(U + V)/2 − b/3.
// D < 0: three real roots s·cos(φ/3 + k·120°) − b/3 with φ = acos((−q/2) / √(−p³/27)) and
// s = 2·√(−p/3). A D that is not a number goes this way too and ends in the nearest-root rule.
double CCalibSegment::dSolveCubic(double target, double lo, double hi) const {
    const double* c = m_dCoeff;
    const double a = c[1] / c[3];
    const double b = c[2] / c[3];
    const double p = (3.0 * a - b * b) / 3.0;
    const double q = (27.0 * (c[0] - target) / c[3] + (2.0 * b * b * b - 9.0 * b * a)) / 27.0;
    const double d = p * p * p / 27.0 + q * q / 4.0;
    if (d >= 0.0) {
        const double u = dSignedCubeRoot(-q / 2.0 + std::sqrt(d));
        const double v = dSignedCubeRoot(-q / 2.0 - std::sqrt(d));
        if (d > 0.0) {
            return u + v - b / 3.0;
        }
        const double roots[] = {(u + v) - b / 3.0, -(u + v) / 2.0 - b / 3.0};
        return dChooseRoot(roots, lo, hi);
    }
    const double phi = std::acos((-q / 2.0) / std::sqrt(-p * p * p / 27.0));
    const double s = 2.0 * std::sqrt(-p / 3.0);
    const double roots[] = {s * std::cos(phi / 3.0) - b / 3.0,
                            s * std::cos(phi / 3.0 + kThirdTurn) - b / 3.0,
                            s * std::cos(phi / 3.0 + kTwoThirdsTurn) - b / 3.0};
    return dChooseRoot(roots, lo, hi);
}
