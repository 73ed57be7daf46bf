#pragma once
// The numbers every part of a quantitation agrees on: the markers of missing results, the test of a
// usable number, the rounding of displayed values and the texts of a value in fixed and in general
// notation. A host reads the documents' results with the same markers and may show numbers the way
// the lists do.
#include <string>

#include "PhotoquantExport.h"

namespace photoquant {

// Marks a missing or undefined result: segment inversions, SDs, CVs, distribution entries.
inline constexpr double kNoValue = 1.7976931348623157e308;
// Marks a per-standard calibration result that could not be computed (largest float, widened).
inline constexpr double kNoStandardResult = 3.4028234663852886e38;
// The Y of a skipped point.
inline constexpr double kSkipMarker = 15000.0;
// Smallest positive normal double: below it a transmittance counts as non-positive.
inline constexpr double kMinPositive = 2.2250738585072014e-308;
inline constexpr double kEpsilon = 2.220446049250313e-16;
// What texts and cells show for a value that is not a usable number.
inline constexpr const char* kUnusableText = "*****";

// Whether a result carries a value: it is neither the no-value marker nor not a number (which no
// comparison with the marker would catch).
constexpr bool bHasValue(double value) {
    return value == value && value != kNoValue;
}

// Zero, or a magnitude strictly between the smallest normal and the largest double.
PQ_EXPORT bool bIsUsable(double value);

// Rounds half away from zero to n decimal places: the value is multiplied by ten n times, rounded
// to an integer when it lies inside the 32-bit range, then divided by ten n times. A value that is
// not usable is returned unchanged. Existing results depend on this exact order of operations.
PQ_EXPORT double dRoundDecimals(double value, int n);

// Half away from zero to the nearest integer: add (or subtract) 0.5 + 1.1920928955078125e-07 and
// truncate toward zero. The caller keeps the value inside the 32-bit range.
PQ_EXPORT int iRoundHalfAway(double value);

// The value in fixed notation with n decimals, as an output text stream writes it ("%.nf").
PQ_EXPORT std::string sFixed(double value, int n);

// The value in general notation with n significant digits, as an output text stream writes it
// by default ("%.ng").
PQ_EXPORT std::string sGeneral(double value, int n);

}  // namespace photoquant
