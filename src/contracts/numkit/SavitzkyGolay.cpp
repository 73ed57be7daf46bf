// Savitzky-Golay smoothing and derivatives.
//
// Method and inner choices:
// - The weights are not taken from tables but computed for the actual window: with offsets
//   u = k / m (k = -m..m, m the half width, scaled to [-1, 1] for conditioning), the window's
//   Vandermonde matrix A (columns u^0..u^p) is factorised by Householder QR with column pivoting,
//   and its pseudo-inverse P = A^+ gives the fitted coefficients a = P y. The derivative of order
//   d at offset u0 is sum_j a_j * j! / (j - d)! * u0^(j - d), so its weights are P^T v with
//   v_j = j! / (j - d)! * u0^(j - d); dividing by m^d turns the derivative per unit of u into the
//   derivative per point, and dividing by step^d into the derivative per unit of X.
// - The interior uses one set of weights (u0 = 0) for every point. The first and last m points
//   take the polynomial fitted to the first, respectively last, 2m + 1 points evaluated at their
//   own offsets, so that a polynomial of order <= p comes back unchanged up to the ends.
// - The input y are copied first, into storage kept per thread: every output is computed from the
//   original readings, and the results go straight into the points.
// - The weights of the last window are kept (per thread) for the next spectrum, and the interior
//   is convolved by WindowConvolution.h in vector registers; each output's sum still adds its
//   terms in window order, as a single sum would.
// - A derivative order above the polynomial order gives 0 everywhere, the derivative of the
//   fitted polynomial, at once: the weights are not computed (an order of 2^31 would take a
//   multiplication per order and point).
#include "contracts/numkit/SavitzkyGolay.h"

#include "contracts/numkit/WindowConvolution.h"

#include <Eigen/Dense>
#include <algorithm>
#include <vector>

namespace {

using photoquant::detail::dWindowSum;
using photoquant::detail::vConvolveWindow;
using photoquant::detail::WidestVectors;

// The window and polynomial actually used, after clamping the caller's arguments.
struct CSmoothingWindow {
    int iHalfWidth;
    int iPolyOrder;
    int iDerivOrder;
    double dStep;
};

CSmoothingWindow SafeWindow(int n, int step, int halfWidth, int polyOrder, int derivOrder) {
    CSmoothingWindow window{};
    window.iHalfWidth = std::clamp(halfWidth, 0, (n - 1) / 2);
    window.iPolyOrder = std::clamp(polyOrder, 0, 2 * window.iHalfWidth);
    window.iDerivOrder = std::max(derivOrder, 0);
    window.dStep = step >= 1 ? step : 1.0;
    return window;
}

// P = A^+ for the window's Vandermonde matrix in u = k / m.
Eigen::MatrixXd WindowPseudoInverse(const CSmoothingWindow& window) {
    const int size = 2 * window.iHalfWidth + 1;
    const double m = window.iHalfWidth > 0 ? window.iHalfWidth : 1.0;
    Eigen::MatrixXd vandermonde(size, window.iPolyOrder + 1);
    for (int row = 0; row < size; ++row) {
        const double u = (row - window.iHalfWidth) / m;
        double power = 1.0;
        for (int col = 0; col <= window.iPolyOrder; ++col) {
            vandermonde(row, col) = power;
            power *= u;
        }
    }
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(vandermonde);
    return qr.solve(Eigen::MatrixXd::Identity(size, size));
}

// Weights over the window that give the derivative per unit of X at window offset k.
Eigen::VectorXd WeightsAtOffset(const Eigen::MatrixXd& pseudoInverse,
                                const CSmoothingWindow& window, int k) {
    const double m = window.iHalfWidth > 0 ? window.iHalfWidth : 1.0;
    const double u0 = k / m;
    const int d = window.iDerivOrder;
    Eigen::VectorXd derivative = Eigen::VectorXd::Zero(window.iPolyOrder + 1);
    for (int j = d; j <= window.iPolyOrder; ++j) {
        double falling = 1.0;  // j! / (j - d)!
        for (int f = j - d + 1; f <= j; ++f) {
            falling *= f;
        }
        double power = 1.0;
        for (int e = 0; e < j - d; ++e) {
            power *= u0;
        }
        derivative(j) = falling * power;
    }
    double perUnitX = 1.0;  // (m * step)^d
    for (int e = 0; e < d; ++e) {
        perUnitX *= m * window.dStep;
    }
    return pseudoInverse.transpose() * derivative / perUnitX;
}

// The weights of one window: at its centre, and at each of the m offsets before and after it for
// the ends of the spectrum.
struct CWindowWeights {
    CSmoothingWindow window{-1, -1, -1, 0.0};
    std::vector<double> centre;
    std::vector<double> atStart;  // offset k = -m..-1, 2m + 1 weights each
    std::vector<double> atEnd;    // offset -k, in the same order

    bool bFor(const CSmoothingWindow& other) const {
        return window.iHalfWidth == other.iHalfWidth && window.iPolyOrder == other.iPolyOrder &&
               window.iDerivOrder == other.iDerivOrder && window.dStep == other.dStep;
    }
};

void vAppend(std::vector<double>& to, const Eigen::VectorXd& weights) {
    to.insert(to.end(), weights.data(), weights.data() + weights.size());
}

// The weights of the last window smoothed on this thread. Every spectrum of a scan is smoothed
// with the same window, and the QR factorisation and the 2m + 1 weight vectors would otherwise be
// worked out again for each; the cache is the thread's own, so feeders on other threads never
// share it.
const CWindowWeights& WeightsFor(const CSmoothingWindow& window) {
    thread_local CWindowWeights cached;
    if (cached.bFor(window)) {
        return cached;
    }
    const Eigen::MatrixXd pseudoInverse = WindowPseudoInverse(window);
    CWindowWeights fresh;
    fresh.window = window;
    vAppend(fresh.centre, WeightsAtOffset(pseudoInverse, window, 0));
    for (int k = -window.iHalfWidth; k < 0; ++k) {
        vAppend(fresh.atStart, WeightsAtOffset(pseudoInverse, window, k));
        vAppend(fresh.atEnd, WeightsAtOffset(pseudoInverse, window, -k));
    }
    cached = std::move(fresh);
    return cached;
}

// The readings of the spectrum being smoothed, kept per thread and grown to the longest spectrum
// seen: every output is computed from the original readings while the points take the results.
double* pdReadingsOf(const CDoublePt* pPoints, int n) {
    thread_local std::vector<double> readings;
    if (readings.size() < static_cast<size_t>(n)) {
        readings.resize(static_cast<size_t>(n));
    }
    for (int i = 0; i < n; ++i) {
        readings[static_cast<size_t>(i)] = pPoints[i].y;
    }
    return readings.data();
}

}  // namespace

void vSmoothSGGen(CDoublePt* pPoints, int n, int step, int halfWidth, int polyOrder, int derivOrder,
                  int /*flags: reserved*/) {
    if (pPoints == nullptr || n <= 0) {
        return;
    }
    const CSmoothingWindow window = SafeWindow(n, step, halfWidth, polyOrder, derivOrder);
    if (window.iDerivOrder > window.iPolyOrder) {
        for (int i = 0; i < n; ++i) {
            pPoints[i].y = 0.0;
        }
        return;
    }
    const int m = window.iHalfWidth;
    const double* y = pdReadingsOf(pPoints, n);
    const CWindowWeights& weights = WeightsFor(window);
    const int size = 2 * m + 1;
    vConvolveWindow(weights.centre.data(), size, y, pPoints + m, n - 2 * m, WidestVectors());
    for (int k = -m; k < 0; ++k) {
        const auto row = static_cast<size_t>(k + m) * static_cast<size_t>(size);
        pPoints[m + k].y = dWindowSum(weights.atStart.data() + row, size, y);
        pPoints[n - 1 - m - k].y = dWindowSum(weights.atEnd.data() + row, size, y + n - 1 - 2 * m);
    }
}

void vSmoothSGGenMany(CDoublePt* pSpectra, int iNumSpectra, int n, int step, int halfWidth,
                      int polyOrder, int derivOrder, int flags) {
    if (pSpectra == nullptr || n <= 0) {
        return;
    }
    // The first spectrum works the weights out; the others find them kept.
    for (int s = 0; s < iNumSpectra; ++s) {
        vSmoothSGGen(pSpectra + static_cast<size_t>(s) * static_cast<size_t>(n), n, step, halfWidth,
                     polyOrder, derivOrder, flags);
    }
}
