#pragma once
// The area of a peak of a stored spectrum, from point first (a) to point last (b), with the
// readings y at equal wavelength steps delta (D). The peak quantitation of the photometry
// documents and the spectrum's own integration share these sums, so both give the same area.
//
//   method 1, trapezoid:  T = y_a/2*D + sum_{a<j<b} y_j*D + y_b/2*D
//   method 2, Romberg:    area = (T - T2)/3 + T, T2 = y_a/2*D + sum y_j*D (j = a+2, a+4, ...
//                         below e) + y_e/2*D with e = 2*(b/2), integer halves
//   other, rectangular:   sum_{a<=j<=b} y_j*D
//
// The last point of a stored spectrum (j = n - 1) never counts: a term with index j enters a sum
// only when j < n - 1. Indices outside [0, n) are never read: the range is cut to the data.
namespace photoquant::detail {

double dPeakArea(const double* y, int n, int first, int last, double delta, int method);

}  // namespace photoquant::detail
