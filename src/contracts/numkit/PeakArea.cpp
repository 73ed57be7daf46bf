// Peak areas by the trapezoid, Romberg and rectangular sums.
//
// Inner choices:
// - Every term y_j*w passes through one gate: it counts only when j < n - 1, the convention of the
//   stored spectra (their last point never counts).
// - Romberg is one Richardson extrapolation of the trapezoid sum T (step D) with the trapezoid sum
//   T2 over every second point (step 2D): area = (T - T2)/3 + T, which removes the D^2 error term
//   and equals Simpson's rule. Both sums must span the same points, so the coarse sum ends at
//   e = a + 2*((b - a)/2); when b - a is odd the last interval [e, b] has no coarse partner and
//   enters by the trapezoid:
//       area = T(a..e) + (T(a..e) - T2(a..e))/3 + T(e..b).
//   For an even number of intervals this is exactly (T - T2)/3 + T over a..b.
// - A peak of a single point (a = b) has no width: its trapezoid and Romberg areas are 0, its
//   rectangular area y_a*D (one rectangle per point).
#include "contracts/numkit/PeakArea.h"

#include <algorithm>

namespace {

constexpr int kTrapezoid = 1;
constexpr int kRomberg = 2;

// The readings of one spectrum with the counting rule of its sums.
class CCountedReadings {
  public:
    CCountedReadings(const double* y, int n) : m_pdY(y), m_iN(n) {}

    // y_j * weight when point j counts, else 0.
    double dTerm(int j, double weight) const { return j < m_iN - 1 ? m_pdY[j] * weight : 0.0; }

    // y_a/2*h + sum y_j*h (a < j < b, every stride-th point) + y_b/2*h, h = stride * delta.
    double dTrapezoid(int a, int b, int stride, double delta) const {
        if (b <= a) {
            return 0.0;
        }
        const double h = stride * delta;
        double sum = dTerm(a, h / 2.0);
        for (int j = a + stride; j < b; j += stride) {
            sum += dTerm(j, h);
        }
        return sum + dTerm(b, h / 2.0);
    }

    double dRectangles(int a, int b, double delta) const {
        double sum = 0.0;
        for (int j = a; j <= b; ++j) {
            sum += dTerm(j, delta);
        }
        return sum;
    }

  private:
    const double* m_pdY;
    int m_iN;
};

double dRomberg(const CCountedReadings& readings, int a, int b, double delta) {
    const int e = a + 2 * ((b - a) / 2);
    const double fine = readings.dTrapezoid(a, e, 1, delta);
    const double coarse = readings.dTrapezoid(a, e, 2, delta);
    return (fine - coarse) / 3.0 + fine + readings.dTrapezoid(e, b, 1, delta);
}

}  // namespace

double dPeakArea(const double* y, int n, int first, int last, double delta, int method) {
    if (y == nullptr || n <= 0) {
        return 0.0;
    }
    const int a = std::max(first, 0);
    const int b = std::min(last, n - 1);
    if (a > b) {
        return 0.0;
    }
    const CCountedReadings readings(y, n);
    switch (method) {
        case kTrapezoid:
            return readings.dTrapezoid(a, b, 1, delta);
        case kRomberg:
            return dRomberg(readings, a, b, delta);
        default:
            return readings.dRectangles(a, b, delta);
    }
}
