#pragma once
// The rounding of displayed values (dRoundDecimals) over a block of values at once.
#include <cstddef>

namespace photoquant::detail {

// Rounds count values in place to n decimal places, each to the last bit what dRoundDecimals
// gives it.
void vRoundDecimals(double* values, size_t count, int n);

}  // namespace photoquant::detail
