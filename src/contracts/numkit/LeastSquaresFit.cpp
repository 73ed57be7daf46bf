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

// R^2 = 1 - SS_res / SS_tot, about the mean or, through the origin, about zero.
double dCoefficientOfDetermination(const Eigen::VectorXd& y, const Eigen::VectorXd& fitted,
                                   bool bAboutMean) {
    const double yScale = y.cwiseAbs().maxCoeff();
    if (yScale == 0.0) {
        return 1.0;  // all readings zero, and so is the fit
    }
    const Eigen::VectorXd scaled = y / yScale;
    const double level = bAboutMean ? scaled.mean() : 0.0;
    const double ssTot = (scaled.array() - level).square().sum();
    const double ssRes = (scaled - fitted / yScale).squaredNorm();
    const double eps = std::numeric_limits<double>::epsilon();
    const double roundingLevel = (64.0 * eps) * (64.0 * eps) * scaled.squaredNorm();
    if (ssTot <= roundingLevel) {
        return ssRes <= roundingLevel ? 1.0 : 0.0;
    }
    return 1.0 - ssRes / ssTot;
}

}  // namespace

CLeastSquaresFit::CLeastSquaresFit(const CDoublePt* pPoints, int n, int order, int bForceZero)
    : m_iOrder(order), m_bForceZero(bForceZero != 0 ? 1 : 0) {
    const int unknowns = order + 1 - m_bForceZero;
    if (order >= 1 && order <= kMaxOrder && pPoints != nullptr && n >= unknowns &&
        bAllFinite(pPoints, n)) {
        vFit(pPoints, n);
    }
    vFillResult();
}

double CLeastSquaresFit::dGetCoeff(int power) const {
    return power >= 0 && power <= kMaxOrder ? m_dCoeff[power] : 0.0;
}

void CLeastSquaresFit::vFit(const CDoublePt* pPoints, int n) {
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
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(vandermonde);
    if (qr.rank() < unknowns) {
        return;
    }
    const Eigen::VectorXd b = qr.solve(y);

    // c_i = sum_{j >= i} b_j * C(j, i) * (-xm)^(j - i) / s^j
    double coeff[kMaxOrder + 1] = {};
    for (int i = 0; i <= m_iOrder; ++i) {
        long double sum = 0.0L;
        for (int j = std::max(i, lowestPower); j <= m_iOrder; ++j) {
            sum += static_cast<long double>(b(j - lowestPower)) * ldBinomial(j, i) *
                   std::pow(-static_cast<long double>(map.dCentre), j - i) /
                   std::pow(static_cast<long double>(map.dSpread), j);
        }
        coeff[i] = static_cast<double>(sum);
        if (!std::isfinite(coeff[i])) {
            return;
        }
    }
    const double r2 = dCoefficientOfDetermination(y, vandermonde * b, m_bForceZero == 0);
    if (!std::isfinite(r2)) {
        return;
    }
    std::copy(std::begin(coeff), std::end(coeff), std::begin(m_dCoeff));
    m_dR2 = r2;
    m_dR = std::sqrt(std::max(r2, 0.0));
    m_bValid = 1;
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
