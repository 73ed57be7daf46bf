#pragma once
// Numbers in the report's own sections (the lists keep the views' texts) and in the tables for
// machines. A laboratory prints a spread to two significant digits and a coefficient to six, never
// in exponent form for an everyday value; a machine wants every bit back.
#include <string>

// Significant digits of a spread (SD, CV, standard error, s_y/x) and of a curve's coefficient.
inline constexpr int kSpreadDigits = 2;
inline constexpr int kCoefficientDigits = 6;
// Significant digits of a test statistic and of the critical value it is compared with.
inline constexpr int kTestDigits = 3;

// The value with the given number of significant digits, trailing zeros kept (they are
// significant): 0.0127102 to 2 digits is "0.013", 0.500985 is "0.50", 1234.5 to 2 digits "1200".
// Plain notation from 1e-5 up to 1e15, exponent form ("2.5e-07") outside; "" for a value that is
// not usable (a missing result).
std::string sSignificant(double value, int digits);

// The value to the last decimal that the spread shows with the given significant digits, so that
// the bounds of an interval read as precisely as the interval is known: 0.198802 beside a standard
// error of 0.00034 (2 digits) is "0.19880". Six significant digits where the spread is 0 or
// missing.
std::string sToPrecisionOf(double value, double spread, int digits);

// A p value: two significant digits, "< 0.0001" below that.
std::string sPValue(double p);

// A value that is the rounding noise of a calculation beside a magnitude (an intercept of
// 2.9e-19 beside readings of 1.6) prints as 0; anything else with the given significant digits.
std::string sSignificantBeside(double value, double magnitude, int digits);

// A correlation coefficient or R²: at least four decimals, and as many as it takes to show two
// significant digits of its distance from 1 (0.9999998 is "0.99999980", never "1").
std::string sNearOne(double value);

// The shortest text that reads back to exactly the same double; "" for a missing result.
std::string sRoundTrip(double value);

// A symbol with its number: "A1" (a coefficient), "D2" (a derivative's order).
std::string sNumbered(const char* symbol, int number);

// The power of a unit or a term as a superscript: "" for 1, "²", "³", "⁴" (the highest order a
// curve or a derivative takes).
std::string sSuperscript(int power);
