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
// - The input y are copied first: every output is computed from the original readings.
// - A derivative order above the polynomial order gives 0 everywhere, the derivative of the
//   fitted polynomial, at once: the weights are not computed (an order of 2^31 would take a
//   multiplication per order and point).
#include "contracts/numkit/SavitzkyGolay.h"

#include <Eigen/Dense>
#include <algorithm>
#include <vector>

namespace {

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

double dApply(const Eigen::VectorXd& weights, const std::vector<double>& y, int first) {
    double sum = 0.0;
    for (int k = 0; k < weights.size(); ++k) {
        sum += weights(k) * y[static_cast<size_t>(first + k)];
    }
    return sum;
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
    std::vector<double> y(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        y[static_cast<size_t>(i)] = pPoints[i].y;
    }
    const Eigen::MatrixXd pseudoInverse = WindowPseudoInverse(window);

    const Eigen::VectorXd centre = WeightsAtOffset(pseudoInverse, window, 0);
    for (int i = m; i < n - m; ++i) {
        pPoints[i].y = dApply(centre, y, i - m);
    }
    for (int k = -m; k < 0; ++k) {
        const Eigen::VectorXd atStart = WeightsAtOffset(pseudoInverse, window, k);
        pPoints[m + k].y = dApply(atStart, y, 0);
        const Eigen::VectorXd atEnd = WeightsAtOffset(pseudoInverse, window, -k);
        pPoints[n - 1 - m - k].y = dApply(atEnd, y, n - 1 - 2 * m);
    }
}
