#include "host/ReportNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "photoquant.h"

using namespace photoquant;

namespace {

// Plain notation covers what a laboratory writes out in full.
constexpr int kSmallestPlainExponent = -5;
constexpr int kLargestPlainExponent = 14;
// A coefficient below this share of the magnitude beside it is the fit's rounding noise.
constexpr double kNoiseShare = 1e-12;
constexpr int kMostDecimals = 12;
constexpr int kLeastNearOneDecimals = 4;

// Decimal exponent of the value after rounding to the digits (9.96 to 2 digits is 10, exponent 1).
int iRoundedExponent(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    const char* e = std::strchr(text, 'e');
    return e == nullptr ? 0 : std::atoi(e + 1);
}

}  // namespace

std::string sSignificant(double value, int digits) {
    if (!bIsUsable(value)) {
        return {};
    }
    if (value == 0.0) {
        return "0";
    }
    const int exponent = iRoundedExponent(value, digits);
    if (exponent < kSmallestPlainExponent || exponent > kLargestPlainExponent) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
        return text;
    }
    const int decimals = std::max(0, digits - 1 - exponent);
    if (decimals > 0) {
        return sFixed(value, decimals);
    }
    // Fewer digits than the integer part has: round the integer to the digits ("1200").
    const double unit = std::pow(10.0, exponent + 1 - digits);
    return sFixed(std::round(value / unit) * unit, 0);
}

std::string sToPrecisionOf(double value, double spread, int digits) {
    if (!bIsUsable(value)) {
        return {};
    }
    if (!bIsUsable(spread) || spread == 0.0) {
        return sSignificant(value, kCoefficientDigits);
    }
    const int decimals = digits - 1 - iRoundedExponent(std::abs(spread), digits);
    return sFixed(value, std::clamp(decimals, 0, kMostDecimals));
}

std::string sPValue(double p) {
    constexpr double kSmallestP = 1e-4;
    if (!bIsUsable(p)) {
        return {};
    }
    return p < kSmallestP ? "< 0.0001" : sSignificant(p, kSpreadDigits);
}

std::string sSignificantBeside(double value, double magnitude, int digits) {
    if (bIsUsable(value) && bIsUsable(magnitude) &&
        std::abs(value) < kNoiseShare * std::abs(magnitude)) {
        return "0";
    }
    return sSignificant(value, digits);
}

std::string sNearOne(double value) {
    if (!bIsUsable(value)) {
        return {};
    }
    const double distance = 1.0 - std::abs(value);
    int decimals = kLeastNearOneDecimals;
    if (distance > 0.0) {
        // Two significant digits of the distance from 1.
        const int firstDigit = -static_cast<int>(std::floor(std::log10(distance)));
        decimals = std::clamp(firstDigit + 1, kLeastNearOneDecimals, kMostDecimals);
    }
    return sFixed(value, decimals);
}

std::string sRoundTrip(double value) {
    if (!bIsUsable(value)) {
        return {};
    }
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string sNumbered(const char* symbol, int number) {
    // Appended, not "A" + std::to_string(n): g++ 12 misreads that sum as overlapping copies
    // (-Wrestrict).
    std::string text = symbol;
    text += std::to_string(number);
    return text;
}

std::string sSuperscript(int power) {
    static const char* const kSuperscripts[] = {"", "", "\u00b2", "\u00b3", "\u2074"};
    if (power >= 0 && power <= 4) {
        return kSuperscripts[power];
    }
    std::string text = "^";
    text += std::to_string(power);
    return text;
}
