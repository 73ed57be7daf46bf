#pragma once
// Numbers in the report's own sections (the lists keep the views' texts) and in the tables for
// machines. A laboratory prints a spread to two significant digits and a coefficient to six, never
// in exponent form for an everyday value; a machine wants every bit back.
#include <string>

// The value with the given number of significant digits, trailing zeros kept (they are
// significant): 0.0127102 to 2 digits is "0.013", 0.500985 is "0.50", 1234.5 to 2 digits "1200".
// Plain notation from 1e-5 up to 1e15, exponent form ("2.5e-07") outside; "" for a value that is
// not usable (a missing result).
std::string sSignificant(double value, int digits);

// A value that is the rounding noise of a calculation beside a magnitude (an intercept of
// 2.9e-19 beside readings of 1.6) prints as 0; anything else with the given significant digits.
std::string sSignificantBeside(double value, double magnitude, int digits);

// A correlation coefficient or R²: at least four decimals, and as many as it takes to show two
// significant digits of its distance from 1 (0.9999998 is "0.99999980", never "1").
std::string sNearOne(double value);

// The shortest text that reads back to exactly the same double; "" for a missing result.
std::string sRoundTrip(double value);

// The power of a unit or a term as a superscript: "" for 1, "²", "³", "⁴" (the highest order a
// curve or a derivative takes).
std::string sSuperscript(int power);
