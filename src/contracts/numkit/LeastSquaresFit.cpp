// Polynomial least squares by orthogonal decomposition.
//
// Method and inner choices:
// 1. Abscissae are mapped to t = (x - xm) / s, xm the mean of x and s = max |x - xm|, so that every
//    power of t lies in [-1, 1]. Through the origin the abscissae are only scaled (xm = 0,
//    s = max |x|): centring would move the origin, and the constraint c0 = 0 must hold in x.
// 2. The matrix V with columns t^0..t^k (t^1..t^k through the origin) is factorised by Householder
//    QR with column pivoting and b = argmin |V b - y| is solved from it. The normal equations are
//    not formed: they square the condition number, and a cubic over x = 1000..1010 in raw powers of
//    x would lose every significant digit. A numerical rank below the number of unknowns (fewer
//    distinct abscissae than unknowns) makes the fit invalid; the rank threshold is the
//    decomposition's own (machine epsilon times the number of unknowns, relative to the largest
//    pivot).
// 3. The coefficients are converted back to powers of x by the binomial expansion
//        c_i = sum_{j >= i} b_j * C(j, i) * (-xm)^(j - i) / s^j,
//    accumulated in extended precision because the terms of c0 cancel heavily when xm >> s.
// 4. Residuals come from V b, the well conditioned form, not from the converted coefficients.
//    Sums of squares are taken on y / max|y| so that no square overflows; R^2 does not depend on
//    it.
// 5. A sum of squares at the rounding level of the data, below (64 eps)^2 * sum (y / max|y|)^2,
//    counts as zero: constant readings then give R^2 = 1 for an exact fit instead of a ratio of
//    rounding noise.
// 6. Weights scale the rows of V and y by sqrt(w_i) before the decomposition (weighted least
//    squares as ordinary least squares of the scaled rows; again no normal equations). Without
//    weights nothing is scaled, so the unweighted fit stays what it always was, bit for bit.
// 7. The statistics come from the same decomposition V_w P = Q R (P the column pivoting):
//    (V_w'V_w)^-1 = P R^-1 R^-T P', the leverages are the squared row norms of the thin Q, and
//    the covariance by powers of x is T (V_w'V_w)^-1 T' with T the binomial map of step 3. The
//    variance of the curve at x and its slope are taken in t, where no powers cancel.
#include "contracts/numkit/LeastSquaresFit.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The map x -> t = (x - centre) / spread.
struct CAbscissaMap {
    double dCentre;
    double dSpread;
};

bool bUsableWeights(const double* pdWeights, int n) {
    return pdWeights == nullptr || std::all_of(pdWeights, pdWeights + n, [](double w) {
               return std::isfinite(w) && w > 0.0;
           });
}

bool bAllFinite(const CDoublePt* pPoints, int n) {
    return std::all_of(pPoints, pPoints + n, [](const CDoublePt& point) {
        return std::isfinite(point.x) && std::isfinite(point.y);
    });
}

CAbscissaMap AbscissaMapFor(const CDoublePt* pPoints, int n, bool bCentre) {
    double centre = 0.0;
    if (bCentre) {
        for (int i = 0; i < n; ++i) {
            centre += pPoints[i].x;
        }
        centre /= n;
    }
    double spread = 0.0;
    for (int i = 0; i < n; ++i) {
        spread = std::max(spread, std::fabs(pPoints[i].x - centre));
    }
    return {centre, spread};
}

long double ldBinomial(int n, int k) {
    long double result = 1.0L;
    for (int i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;
    }
    return result;
}

// The sums of squares of R^2, taken on y / max|y| so that no square overflows (R^2 does not
// depend on the scale), with the level below which a sum is rounding noise of the data.
struct CSumsOfSquares {
    double dTotal;
    double dResidual;
    double dRoundingLevel;
};

double dRoundingLevel(double sumOfSquares) {
    const double eps = std::numeric_limits<double>::epsilon();
    return (64.0 * eps) * (64.0 * eps) * sumOfSquares;
}

// About the mean or, through the origin, about zero.
CSumsOfSquares UnweightedSums(const Eigen::VectorXd& scaled, const Eigen::VectorXd& fittedScaled,
                              bool bAboutMean) {
    const double level = bAboutMean ? scaled.mean() : 0.0;
    return {(scaled.array() - level).square().sum(), (scaled - fittedScaled).squaredNorm(),
            dRoundingLevel(scaled.squaredNorm())};
}

// About the weighted mean sum w y / sum w or, through the origin, about zero.
CSumsOfSquares WeightedSums(const Eigen::VectorXd& scaled, const Eigen::VectorXd& fittedScaled,
                            const Eigen::VectorXd& w, bool bAboutMean) {
    const double level = bAboutMean ? w.dot(scaled) / w.sum() : 0.0;
    return {(w.array() * (scaled.array() - level).square()).sum(),
            (w.array() * (scaled - fittedScaled).array().square()).sum(),
            dRoundingLevel((w.array() * scaled.array().square()).sum())};
}

// Readings that do not vary (SS_tot zero at rounding level) carry no information on the curve: any
// slope fits them, so the fit is not a perfect one but none at all.
constexpr double kNoInformation = std::numeric_limits<double>::quiet_NaN();

// R^2 = 1 - SS_res / SS_tot; pWeights null for the unweighted form; kNoInformation for readings
// that do not vary.
double dCoefficientOfDetermination(const Eigen::VectorXd& y, const Eigen::VectorXd& fitted,
                                   const Eigen::VectorXd* pWeights, bool bAboutMean) {
    const double yScale = y.cwiseAbs().maxCoeff();
    if (yScale == 0.0) {
        return kNoInformation;
    }
    const Eigen::VectorXd scaled = y / yScale;
    const Eigen::VectorXd fittedScaled = fitted / yScale;
    const CSumsOfSquares sums = pWeights == nullptr
                                    ? UnweightedSums(scaled, fittedScaled, bAboutMean)
                                    : WeightedSums(scaled, fittedScaled, *pWeights, bAboutMean);
    if (sums.dTotal <= sums.dRoundingLevel) {
        return kNoInformation;
    }
    return 1.0 - sums.dResidual / sums.dTotal;
}

// Entry T(i, j) of the map from the coefficient of t^j to that of x^i, times value:
// value * C(j, i) * (-xm)^(j - i) / s^j, in this order of operations.
long double ldToPowersOfX(long double value, int i, int j, const CAbscissaMap& map) {
    return value * ldBinomial(j, i) * std::pow(-static_cast<long double>(map.dCentre), j - i) /
           std::pow(static_cast<long double>(map.dSpread), j);
}

}  // namespace

CLeastSquaresFit::CLeastSquaresFit(const CDoublePt* pPoints, int n, int order, int bForceZero)
    : CLeastSquaresFit(pPoints, n, order, bForceZero, nullptr) {}

CLeastSquaresFit::CLeastSquaresFit(const CDoublePt* pPoints, int n, int order, int bForceZero,
                                   const double* pdWeights)
    : m_iOrder(order), m_bForceZero(bForceZero != 0 ? 1 : 0) {
    const int unknowns = order + 1 - m_bForceZero;
    if (order >= 1 && order <= kMaxOrder && pPoints != nullptr && n >= unknowns &&
        bAllFinite(pPoints, n) && bUsableWeights(pdWeights, n)) {
        vFit(pPoints, n, pdWeights);
    }
    vFillResult();
}

double CLeastSquaresFit::dGetCoeff(int power) const {
    return power >= 0 && power <= kMaxOrder ? m_dCoeff[power] : 0.0;
}

void CLeastSquaresFit::vFit(const CDoublePt* pPoints, int n, const double* pdWeights) {
    const int lowestPower = m_bForceZero;
    const int unknowns = m_iOrder + 1 - lowestPower;
    const CAbscissaMap map = AbscissaMapFor(pPoints, n, m_bForceZero == 0);
    if (!(map.dSpread > 0.0)) {
        return;  // every abscissa at the centre: the powers cannot be told apart
    }

    Eigen::MatrixXd vandermonde(n, unknowns);
    Eigen::VectorXd y(n);
    for (int i = 0; i < n; ++i) {
        const double t = (pPoints[i].x - map.dCentre) / map.dSpread;
        double power = lowestPower == 0 ? 1.0 : t;
        for (int col = 0; col < unknowns; ++col) {
            vandermonde(i, col) = power;
            power *= t;
        }
        y(i) = pPoints[i].y;
    }
    Eigen::VectorXd weights;
    Eigen::MatrixXd design = vandermonde;
    Eigen::VectorXd response = y;
    if (pdWeights != nullptr) {
        weights = Eigen::Map<const Eigen::VectorXd>(pdWeights, n);
        const Eigen::VectorXd rootWeights = weights.cwiseSqrt();
        design = rootWeights.asDiagonal() * vandermonde;
        response = rootWeights.cwiseProduct(y);
    }
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(design);
    if (qr.rank() < unknowns) {
        return;
    }
    const Eigen::VectorXd b = qr.solve(response);

    // c_i = sum_{j >= i} b_j * C(j, i) * (-xm)^(j - i) / s^j
    double coeff[kMaxOrder + 1] = {};
    for (int i = 0; i <= m_iOrder; ++i) {
        long double sum = 0.0L;
        for (int j = std::max(i, lowestPower); j <= m_iOrder; ++j) {
            sum += ldToPowersOfX(b(j - lowestPower), i, j, map);
        }
        coeff[i] = static_cast<double>(sum);
        if (!std::isfinite(coeff[i])) {
            return;
        }
    }
    const Eigen::VectorXd fitted = vandermonde * b;
    const double r2 = dCoefficientOfDetermination(
        y, fitted, pdWeights == nullptr ? nullptr : &weights, m_bForceZero == 0);
    if (!std::isfinite(r2)) {
        return;
    }
    std::copy(std::begin(coeff), std::end(coeff), std::begin(m_dCoeff));
    m_dR2 = r2;
    m_dR = std::sqrt(std::max(r2, 0.0));
    m_bValid = 1;

    m_dCentre = map.dCentre;
    m_dSpread = map.dSpread;
    const Eigen::VectorXd residuals = y - fitted;
    m_dResidualSS = pdWeights == nullptr ? residuals.squaredNorm()
                                         : weights.dot(residuals.cwiseProduct(residuals));
    m_vdFitted.assign(fitted.data(), fitted.data() + n);
    // Thin Q: the first p columns of the orthogonal factor span the weighted design.
    const Eigen::MatrixXd thinQ = qr.householderQ() * Eigen::MatrixXd::Identity(n, unknowns);
    m_vdLeverage.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        m_vdLeverage[static_cast<size_t>(i)] = thinQ.row(i).squaredNorm();
    }
    // (V_w'V_w)^-1 = P R^-1 R^-T P'
    const Eigen::MatrixXd rInverse = qr.matrixR()
                                         .topLeftCorner(unknowns, unknowns)
                                         .triangularView<Eigen::Upper>()
                                         .solve(Eigen::MatrixXd::Identity(unknowns, unknowns));
    const Eigen::MatrixXd scaledCovariance =
        qr.colsPermutation() * (rInverse * rInverse.transpose()) * qr.colsPermutation().transpose();
    for (int j = 0; j < unknowns; ++j) {
        m_dScaledCoeff[j] = b(j);
        for (int k = 0; k < unknowns; ++k) {
            m_dScaledCovariance[j][k] = scaledCovariance(j, k);
        }
    }
    vConvertCovariance();
}

void CLeastSquaresFit::vConvertCovariance() {
    const CAbscissaMap map{m_dCentre, m_dSpread};
    // (X'WX)^-1 = T (V'WV)^-1 T', T(i, j) = C(j, i) (-xm)^(j - i) / s^j for powers i <= j.
    const int lowestPower = m_bForceZero;
    long double half[kMaxOrder + 1][kMaxOrder + 1] = {};  // T (V'WV)^-1
    for (int i = 0; i <= m_iOrder; ++i) {
        for (int l = 0; l + lowestPower <= m_iOrder; ++l) {
            for (int j = std::max(i, lowestPower); j <= m_iOrder; ++j) {
                half[i][l] += ldToPowersOfX(m_dScaledCovariance[j - lowestPower][l], i, j, map);
            }
        }
    }
    for (int i = 0; i <= m_iOrder; ++i) {
        for (int k = 0; k <= m_iOrder; ++k) {
            long double sum = 0.0L;
            for (int l = std::max(k, lowestPower); l <= m_iOrder; ++l) {
                sum += ldToPowersOfX(half[i][l - lowestPower], k, l, map);
            }
            m_dCovariance[i][k] = static_cast<double>(sum);
        }
    }
}

double CLeastSquaresFit::dGetUnscaledCovariance(int i, int j) const {
    const bool bInside = i >= 0 && i <= m_iOrder && j >= 0 && j <= m_iOrder;
    return m_bValid != 0 && bInside ? m_dCovariance[i][j] : 0.0;
}

double CLeastSquaresFit::dGetVarianceFactor(double x) const {
    if (m_bValid == 0) {
        return 0.0;
    }
    const double t = dScaled(x);
    double g[kMaxOrder + 1] = {};
    double power = m_bForceZero == 0 ? 1.0 : t;
    for (int j = 0; j < iGetNumParams(); ++j, power *= t) {
        g[j] = power;
    }
    double factor = 0.0;
    for (int j = 0; j < iGetNumParams(); ++j) {
        for (int k = 0; k < iGetNumParams(); ++k) {
            factor += g[j] * m_dScaledCovariance[j][k] * g[k];
        }
    }
    return factor;
}

double CLeastSquaresFit::dEvaluate(double x) const {
    if (m_bValid == 0) {
        return 0.0;
    }
    const double t = dScaled(x);
    double value = 0.0;
    for (int j = iGetNumParams() - 1; j >= 0; --j) {
        value = value * t + m_dScaledCoeff[j];
    }
    return m_bForceZero == 0 ? value : value * t;
}

double CLeastSquaresFit::dGetSlope(double x) const {
    if (m_bValid == 0) {
        return 0.0;
    }
    // dy/dx = sum_q q b_q t^(q - 1) / s over the fitted powers q >= 1.
    const double t = dScaled(x);
    double slope = 0.0;
    for (int power = m_iOrder; power >= 1; --power) {
        slope = slope * t + power * m_dScaledCoeff[power - m_bForceZero];
    }
    return slope / m_dSpread;
}

void CLeastSquaresFit::vFillResult() {
    if (!m_bValid) {
        return;
    }
    for (int power = 0; power <= m_iOrder; ++power) {
        m_dResult[power] = m_dCoeff[power];
    }
    m_dResult[m_iOrder + 1] = m_dR;
    m_dResult[m_iOrder + 2] = m_dR2;
}
