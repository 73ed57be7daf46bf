#pragma once
// The interior of a Savitzky-Golay filter: one set of window weights w slid along the readings y,
//
//     out[i].y = sum_{k = 0..size-1} w[k] * y[i + k],   i = 0..count-1,
//
// every sum started at 0 and taken in window order k = 0, 1, ..., size - 1, the order of
// dWindowSum, which the ends of a spectrum use: an output is the same to the last bit whichever
// of the two takes it. The outputs are written straight into the points' y.
//
// Two builds of one loop: with the 16-byte vectors of every x86-64 processor, and with the 32-byte
// vectors of those that have AVX2, chosen once at run time. Neither joins a multiplication and an
// addition into one rounding (no fused multiply-add), so both give the same bits on every machine.
#include "contracts/uikit/DoublePt.h"

namespace photoquant::detail {

enum class EVectorWidth { k16Bytes, k32Bytes };

// The widest vectors this processor runs the convolution with.
EVectorWidth WidestVectors();

// w[0] * y[0] + w[1] * y[1] + ... + w[size-1] * y[size-1], from 0, in that order.
double dWindowSum(const double* weights, int size, const double* y);

// The count outputs above with vectors of the given width (k32Bytes only where WidestVectors()
// says so); y holds count + size - 1 readings.
void vConvolveWindow(const double* weights, int size, const double* y, CDoublePt* out, int count,
                     EVectorWidth width);

}  // namespace photoquant::detail
