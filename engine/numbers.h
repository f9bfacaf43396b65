#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mix {

// Half to even, the rounding every stored or shown number of the design goes through.
// Explicit rather than std::nearbyint, so the result never depends on the FPU's mode;
// inline because a design rounds a few dozen times and the call would cost more.
inline double roundHalfEven(double x)
{
    if (!(x > -0x1p52 && x < 0x1p52))
        return x; // already whole, or not a number
    const double towardZero = static_cast<double>(static_cast<long long>(x));
    const double lower = towardZero > x ? towardZero - 1.0 : towardZero;
    const double diff = x - lower;
    if (diff != 0.5)
        return diff < 0.5 ? lower : lower + 1.0;
    return (static_cast<long long>(lower) & 1) != 0 ? lower + 1.0 : lower;
}

// To n decimals (0..15), by an exact power of ten; std::pow would cost more than the rest.
inline double roundHalfEven(double x, int decimals)
{
    constexpr double powers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double scale = powers[decimals < 0 ? 0 : (decimals > 15 ? 15 : decimals)];
    return roundHalfEven(x * scale) / scale;
}

// A value stored into a 16-bit field: rounded half to even, empty when it does not fit.
inline std::optional<std::int16_t> toInt16(double x)
{
    const double r = roundHalfEven(x);
    if (!(r >= -32768.0 && r <= 32767.0))
        return std::nullopt; // overflow, infinity or not a number
    return static_cast<std::int16_t>(r);
}

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

} // namespace mix
