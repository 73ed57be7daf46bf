#pragma once
// The area of a peak of a stored spectrum, from point first (a) to point last (b), with the
// readings y at equal wavelength steps delta (D). The peak quantitation of the photometry
// documents and the spectrum's own integration share these sums, so both give the same area.
//
//   method 1, trapezoid:  T = y_a/2*D + sum_{a<j<b} y_j*D + y_b/2*D
//   method 2, Romberg:    one Richardson step on the trapezoid, area = T + (T - T2)/3, where T2 is
//                         the trapezoid over the same points at step 2D (Simpson's rule); details
//                         in PeakArea.cpp
//   other, rectangular:   sum_{a<=j<=b} y_j*D
//
// The last point of a stored spectrum (j = n - 1) never counts: a term with index j enters a sum
// only when j < n - 1. Indices outside [0, n) are never read: the range is cut to the data.
#include "PhotoquantExport.h"

PQ_EXPORT double dPeakArea(const double* y, int n, int first, int last, double delta, int method);
