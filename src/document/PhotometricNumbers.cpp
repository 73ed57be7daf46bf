#include "document/PhotometricNumbers.h"

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

int iRoundHalfAway(double value) {
    return static_cast<int>(value >= 0.0 ? value + kRoundingBias : value - kRoundingBias);
}

std::string sFixed(double value, int n) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(n < 0 ? 0 : n) << value;
    return text.str();
}

std::string sGeneral(double value, int n) {
    std::ostringstream text;
    text << std::setprecision(n) << value;
    return text.str();
}

}  // namespace photoquant
