#pragma once
// Savitzky-Golay smoothing and derivatives of a spectrum sampled at equal X steps: around each
// point a polynomial of order polyOrder is fitted by least squares to the 2*halfWidth + 1 points
// of the window, and the point's Y becomes the fitted value (derivOrder 0) or the fitted
// derivative of order derivOrder there. In the interior this is a fixed convolution, e.g. for a
// quadratic over 5 points (-3, 12, 17, 12, -3) / 35 for the value and (2, -1, -2, -1, 2) / 7 for
// the second derivative. The derivative quantitation of the photometry documents calls it.
//
// Step convention: step is the spacing of the points in X units and derivatives are per unit of
// X, i.e. the derivative per point divided by step^derivOrder. The photometry documents pass
// step = 1, so their derivatives are per point, whatever the data interval of the spectrum.
#include "PhotoquantExport.h"
#include "contracts/uikit/DoublePt.h"

// Replaces the y of the n points by the smoothed value or derivative; the x are not read (the
// points are taken as equally spaced by step). Arguments outside their sense are brought back
// safely: a window longer than the data shrinks to the longest odd window that fits, a polynomial
// order at or above the window size drops to window size - 1, negative widths and orders count as
// 0, step < 1 counts as 1, and n <= 0 (or no points) does nothing. flags is reserved: pass 0.
PQ_EXPORT void vSmoothSGGen(CDoublePt* pPoints, int n, int step, int halfWidth, int polyOrder,
                            int derivOrder, int flags);

// Many spectra of one scan at once, as the derivative quantitation of a plate of samples asks for
// them: iNumSpectra spectra of n points each, one after the other in pSpectra, every one replaced
// as vSmoothSGGen replaces it alone (to the last bit), the window's weights worked out once for
// all of them. A count at or below 0 does nothing.
//   vSmoothSGGenMany(points.data(), 1000, 3601, 1, 7, 3, 2, 0);
PQ_EXPORT void vSmoothSGGenMany(CDoublePt* pSpectra, int iNumSpectra, int n, int step,
                                int halfWidth, int polyOrder, int derivOrder, int flags);
