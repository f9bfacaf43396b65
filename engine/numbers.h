#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mix {

// Half to even, the rounding every stored or shown number of the design goes through.
double roundHalfEven(double x);
double roundHalfEven(double x, int decimals);

// A value stored into a 16-bit field: rounded half to even, empty when it does not fit.
std::optional<std::int16_t> toInt16(double x);

// A value stored into a single-precision field: empty when it is beyond the float range.
std::optional<float> toSingle(double x);

// Strict reading of a typed number: digits with at most one "." and at least one digit.
// Anything else (signs, blanks, exponents, commas, Thai digits) is not a number.
std::optional<double> parseNumber(std::string_view text);

// Shortest plain decimal form with at most `digits` significant digits, "." as the
// point, a leading zero below 1, no exponent and no thousands separator.
std::string formatSignificant(double x, int digits);
inline std::string formatSingle(float x) { return formatSignificant(x, 7); }
inline std::string formatDouble(double x) { return formatSignificant(x, 15); }
std::string formatInt(long long x);

}  // namespace mix
