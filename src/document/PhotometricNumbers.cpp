#include "document/PhotometricNumbers.h"

#include "document/RoundingBlock.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace photoquant {

namespace {
constexpr double kRoundingBias = 0.5 + 1.1920928955078125e-7;
}  // namespace

bool bIsUsable(double value) {
    const double magnitude = std::fabs(value);
    return value == 0.0 || (magnitude > kMinPositive && magnitude < kNoValue);
}

double dRoundDecimals(double value, int n) {
    if (!bIsUsable(value)) {
        return value;
    }
    n = std::clamp(n, 0, kMaxDecimalPlaces);
    double scaled = value;
    for (int i = 0; i < n; ++i) {
        scaled *= 10.0;
    }
    if (scaled > -2147483647.0 && scaled < 2147483646.0) {
        scaled = static_cast<double>(iRoundHalfAway(scaled));
    }
    for (int i = 0; i < n; ++i) {
        scaled /= 10.0;
    }
    return scaled;
}

namespace detail {

void vRoundDecimals(double* values, size_t count, int n) {
    n = std::clamp(n, 0, kMaxDecimalPlaces);
    // The steps of dRoundDecimals, each over all the values before the next, so that the
    // multiplications and divisions of neighbouring values run side by side. A value that is not
    // usable is scaled with the others and then put back as it was.
    constexpr size_t kChunk = 256;
    double scaled[kChunk];
    for (size_t first = 0; first < count; first += kChunk) {
        const size_t m = std::min(kChunk, count - first);
        double* chunk = values + first;
        std::copy_n(chunk, m, scaled);
        for (int k = 0; k < n; ++k) {
            for (size_t i = 0; i < m; ++i) {
                scaled[i] *= 10.0;
            }
        }
        for (size_t i = 0; i < m; ++i) {
            if (scaled[i] > -2147483647.0 && scaled[i] < 2147483646.0) {
                scaled[i] = static_cast<double>(iRoundHalfAway(scaled[i]));
            }
        }
        for (int k = 0; k < n; ++k) {
            for (size_t i = 0; i < m; ++i) {
                scaled[i] /= 10.0;
            }
        }
        for (size_t i = 0; i < m; ++i) {
            chunk[i] = bIsUsable(chunk[i]) ? scaled[i] : chunk[i];
        }
    }
}

}  // namespace detail

int iRoundHalfAway(double value) {
    return static_cast<int>(value >= 0.0 ? value + kRoundingBias : value - kRoundingBias);
}

std::string sFixed(double value, int n) {
    // The exact decimal expansion rounded to n places, as printf's %.*f writes it, without the
    // stream machinery: a list of 100,000 readings formats every cell through here. The largest
    // double has 309 integer digits; with 15 decimals, a sign and the point that fits 400 bytes.
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed,
                                      std::clamp(n, 0, kMaxDecimalPlaces));
    return std::string(text, result.ptr);
}

std::string sGeneral(double value, int n) {
    std::ostringstream text;
    text << std::setprecision(std::min(n, kMaxSignificantDigits)) << value;
    return text.str();
}

}  // namespace photoquant
