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
//    distinct abscissae than unknowns) makes the fit invalid. A pivot counts as zero at or below
//    n eps times the largest: the rounding a dependent column leaves in its pivot grows with the
//    number of rows, and from a few hundred rows on it exceeds the decomposition's own threshold
//    (eps times the number of unknowns), which would then take a quadratic through readings at
//    two concentrations for a fit.
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
//    (V_w'V_w)^-1 = P R^-1 R^-T P', the leverages are the squared row norms of the thin Q (its
//    columns made one at a time from the stored reflectors, Q itself never formed), and the
//    covariance by powers of x is T (V_w'V_w)^-1 T' with T the binomial map of step 3. The
//    variance of the curve at x and its slope are taken in t, where no powers cancel.
// 8. A fit of 10,000 points has to take well under a millisecond, so each pass over the points
//    counts: the decomposition works in place in one block of scratch, the response is solved in
//    place, and the fitted values take the place of the abscissae t they are computed from.
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

    double dT(double x) const { return (x - dCentre) / dSpread; }
};

using ConstVectorMap = Eigen::Map<const Eigen::VectorXd>;
using VectorRef = Eigen::Ref<Eigen::VectorXd>;
using ConstVectorRef = Eigen::Ref<const Eigen::VectorXd>;
// The decomposition works in the storage of the design matrix, which it overwrites.
using InPlaceQR = Eigen::ColPivHouseholderQR<Eigen::Ref<Eigen::MatrixXd>>;

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

// The mean of x and the extreme abscissae in one pass; max |x_i - centre| is reached at one of
// the extremes (n >= 1).
CAbscissaMap AbscissaMapFor(const CDoublePt* pPoints, int n, bool bCentre) {
    double sum = 0.0;
    double lowest = pPoints[0].x;
    double highest = lowest;
    for (int i = 0; i < n; ++i) {
        const double x = pPoints[i].x;
        sum += x;
        lowest = x < lowest ? x : lowest;
        highest = x > highest ? x : highest;
    }
    const double centre = bCentre ? sum / n : 0.0;
    return {centre, std::max(highest - centre, centre - lowest)};
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

// About the mean or, through the origin, about zero. FittedScaled is yhat / max|y|, an
// expression evaluated as the sum is taken.
template <typename FittedScaled>
CSumsOfSquares UnweightedSums(const ConstVectorRef& scaled, const FittedScaled& fittedScaled,
                              bool bAboutMean) {
    const double level = bAboutMean ? scaled.mean() : 0.0;
    return {(scaled.array() - level).square().sum(), (scaled - fittedScaled).squaredNorm(),
            dRoundingLevel(scaled.squaredNorm())};
}

// About the weighted mean sum w y / sum w or, through the origin, about zero.
template <typename FittedScaled>
CSumsOfSquares WeightedSums(const ConstVectorRef& scaled, const FittedScaled& fittedScaled,
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
// that do not vary. y / max|y| is written to scaled, an n-vector of scratch.
double dCoefficientOfDetermination(const ConstVectorRef& y, const ConstVectorMap& fitted,
                                   VectorRef scaled, const Eigen::VectorXd* pWeights,
                                   bool bAboutMean) {
    const double yScale = y.cwiseAbs().maxCoeff();
    if (yScale == 0.0) {
        return kNoInformation;
    }
    scaled = y / yScale;
    const auto fittedScaled = fitted / yScale;
    const CSumsOfSquares sums = pWeights == nullptr
                                    ? UnweightedSums(scaled, fittedScaled, bAboutMean)
                                    : WeightedSums(scaled, fittedScaled, *pWeights, bAboutMean);
    if (sums.dTotal <= sums.dRoundingLevel) {
        return kNoInformation;
    }
    return 1.0 - sums.dResidual / sums.dTotal;
}

// The map from the coefficient of t^j to that of x^i, T(i, j) = C(j, i) (-xm)^(j - i) / s^j, with
// the powers of the centre and the spread taken once, in extended precision.
class CToPowersOfX {
public:
    explicit CToPowersOfX(const CAbscissaMap& map) {
        for (int power = 0; power <= CLeastSquaresFit::kMaxOrder; ++power) {
            m_ldCentrePower[power] = std::pow(-static_cast<long double>(map.dCentre), power);
            m_ldSpreadPower[power] = std::pow(static_cast<long double>(map.dSpread), power);
        }
    }

    // value * T(i, j), in this order of operations.
    long double operator()(long double value, int i, int j) const {
        return value * ldBinomial(j, i) * m_ldCentrePower[j - i] / m_ldSpreadPower[j];
    }

private:
    long double m_ldCentrePower[CLeastSquaresFit::kMaxOrder + 1];
    long double m_ldSpreadPower[CLeastSquaresFit::kMaxOrder + 1];
};

// t_i for every point, in a loop of its own so that the divisions go in pairs.
std::vector<double> Abscissae(const CDoublePt* pPoints, int n, const CAbscissaMap& map) {
    std::vector<double> t(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        t[static_cast<size_t>(i)] = map.dT(pPoints[i].x);
    }
    return t;
}

// V in design: the columns t^lowestPower up to t^(lowestPower + unknowns - 1), each power the one
// before times t.
void vFillDesign(const ConstVectorMap& t, int lowestPower, Eigen::Ref<Eigen::MatrixXd> design) {
    if (lowestPower == 0) {
        design.col(0).setOnes();
    }
    const Eigen::Index columnOfT = 1 - lowestPower;
    design.col(columnOfT) = t;
    for (Eigen::Index col = columnOfT + 1; col < design.cols(); ++col) {
        design.col(col) = design.col(col - 1).cwiseProduct(t);
    }
}

// v = H_k v, H_k = I - tau_k u_k u_k' the k-th reflector of the decomposition, u_k zero above
// row k, one at row k and the stored essential part below; as the decomposition applies it.
void vReflect(const InPlaceQR& qr, Eigen::Index k, VectorRef v) {
    const Eigen::Index below = v.size() - k - 1;
    const auto essential = qr.matrixQR().col(k).tail(below);
    const double tau = qr.hCoeffs()(k);
    const double projection = essential.dot(v.tail(below)) + v(k);
    v(k) -= tau * projection;
    v.tail(below) -= (tau * essential) * projection;
}

// b = argmin |V_w b - y_w| from V_w P = Q R, in the storage of the response: Q'y_w, then
// R z = its first p rows, then b = P z.
Eigen::VectorXd SolveInPlace(const InPlaceQR& qr, VectorRef response) {
    const Eigen::Index unknowns = qr.cols();
    for (Eigen::Index k = 0; k < unknowns; ++k) {
        vReflect(qr, k, response);
    }
    qr.matrixQR()
        .topLeftCorner(unknowns, unknowns)
        .triangularView<Eigen::Upper>()
        .solveInPlace(response.head(unknowns));
    Eigen::VectorXd b(unknowns);
    for (Eigen::Index i = 0; i < unknowns; ++i) {
        b(qr.colsPermutation().indices()(i)) = response(i);
    }
    return b;
}

// yhat_i = sum_j b_j t_i^(j + lowestPower) in place of t_i, the powers of t made as for the
// design and summed in the order of its columns.
void vFittedInPlaceOfT(std::vector<double>& values, int lowestPower, const Eigen::VectorXd& b) {
    const int unknowns = static_cast<int>(b.size());
    double scaledCoeff[CLeastSquaresFit::kMaxOrder + 1] = {};
    std::copy(b.data(), b.data() + unknowns, scaledCoeff);
    for (double& value : values) {
        const double t = value;
        double power = lowestPower == 0 ? 1.0 : t;
        double sum = 0.0;
        for (int col = 0; col < unknowns; ++col, power *= t) {
            sum += power * scaledCoeff[col];
        }
        value = sum;
    }
}

// h_i, the squared norm of row i of the thin Q. With Q = H_0 H_1 ... H_(p-1), column j of Q is
// H_0 ... H_j e_j (the later reflectors leave e_j alone): each column is formed in turn in the
// n-vector column, and Q itself is never stored. H_j e_j = e_j - tau_j u_j needs no product.
std::vector<double> Leverages(const InPlaceQR& qr, VectorRef column) {
    const Eigen::Index n = qr.rows();
    std::vector<double> leverages(static_cast<size_t>(n), 0.0);
    Eigen::Map<Eigen::VectorXd> sumOfSquares(leverages.data(), n);
    for (Eigen::Index j = 0; j < qr.cols(); ++j) {
        const double tau = qr.hCoeffs()(j);
        column.head(j).setZero();
        column(j) = 1.0 - tau;
        column.tail(n - j - 1) = -(tau * qr.matrixQR().col(j).tail(n - j - 1));
        for (Eigen::Index k = j - 1; k >= 0; --k) {
            vReflect(qr, k, column);
        }
        sumOfSquares += column.cwiseAbs2();
    }
    return leverages;
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
        const CAbscissaMap map = AbscissaMapFor(pPoints, n, m_bForceZero == 0);
        m_dCentre = map.dCentre;
        m_dSpread = map.dSpread;
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
    const CAbscissaMap map{m_dCentre, m_dSpread};
    if (!(map.dSpread > 0.0)) {
        return;  // every abscissa at the centre: the powers cannot be told apart
    }

    // t_i, replaced by the fitted values once the coefficients are known.
    std::vector<double> fitted = Abscissae(pPoints, n, map);
    // The scratch of the fit in one block: V_w, decomposed in place; y_w, solved in place and then
    // scratch of R^2 and the leverages; y. One block rather than several keeps repeated fits from
    // handing memory back to the system and faulting it in again. Each column starts on a 16-byte
    // boundary, as a vector of its own would: Eigen's vectorised sums begin at the first aligned
    // element, and the sums of R^2 come out the same for an odd n as for an even one.
    Eigen::MatrixXd workspace(n + n % 2, unknowns + 2);
    auto design = workspace.topLeftCorner(n, unknowns);
    auto response = workspace.col(unknowns).head(n);
    auto y = workspace.col(unknowns + 1).head(n);
    vFillDesign(ConstVectorMap(fitted.data(), n), lowestPower, design);
    for (int i = 0; i < n; ++i) {
        y(i) = pPoints[i].y;
    }
    response = y;
    Eigen::VectorXd weights;
    if (pdWeights != nullptr) {
        weights = ConstVectorMap(pdWeights, n);
        const Eigen::VectorXd rootWeights = weights.cwiseSqrt();
        design.array().colwise() *= rootWeights.array();
        response = rootWeights.cwiseProduct(y);
    }
    InPlaceQR qr(design);
    qr.setThreshold(n * std::numeric_limits<double>::epsilon());
    if (qr.rank() < unknowns) {
        return;
    }
    const Eigen::VectorXd b = SolveInPlace(qr, response);

    // c_i = sum_{j >= i} b_j * C(j, i) * (-xm)^(j - i) / s^j
    const CToPowersOfX toPowersOfX(map);
    double coeff[kMaxOrder + 1] = {};
    for (int i = 0; i <= m_iOrder; ++i) {
        long double sum = 0.0L;
        for (int j = std::max(i, lowestPower); j <= m_iOrder; ++j) {
            sum += toPowersOfX(b(j - lowestPower), i, j);
        }
        coeff[i] = static_cast<double>(sum);
        if (!std::isfinite(coeff[i])) {
            return;
        }
    }
    vFittedInPlaceOfT(fitted, lowestPower, b);
    const ConstVectorMap fittedMap(fitted.data(), n);
    const double r2 = dCoefficientOfDetermination(
        y, fittedMap, response, pdWeights == nullptr ? nullptr : &weights, m_bForceZero == 0);
    if (!std::isfinite(r2)) {
        return;
    }
    std::copy(std::begin(coeff), std::end(coeff), std::begin(m_dCoeff));
    m_dR2 = r2;
    m_dR = std::sqrt(std::max(r2, 0.0));
    m_bValid = 1;

    m_dResidualSS = pdWeights == nullptr ? (y - fittedMap).squaredNorm()
                                         : weights.dot((y - fittedMap).cwiseAbs2());
    m_vdFitted = std::move(fitted);
    m_vdLeverage = Leverages(qr, response);
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
    const CToPowersOfX toPowersOfX(CAbscissaMap{m_dCentre, m_dSpread});
    // (X'WX)^-1 = T (V'WV)^-1 T', T(i, j) = C(j, i) (-xm)^(j - i) / s^j for powers i <= j.
    const int lowestPower = m_bForceZero;
    long double half[kMaxOrder + 1][kMaxOrder + 1] = {};  // T (V'WV)^-1
    for (int i = 0; i <= m_iOrder; ++i) {
        for (int l = 0; l + lowestPower <= m_iOrder; ++l) {
            for (int j = std::max(i, lowestPower); j <= m_iOrder; ++j) {
                half[i][l] += toPowersOfX(m_dScaledCovariance[j - lowestPower][l], i, j);
            }
        }
    }
    for (int i = 0; i <= m_iOrder; ++i) {
        for (int k = 0; k <= m_iOrder; ++k) {
            long double sum = 0.0L;
            for (int l = std::max(k, lowestPower); l <= m_iOrder; ++l) {
                sum += toPowersOfX(half[i][l - lowestPower], k, l);
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
