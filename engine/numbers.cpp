#include "engine/numbers.h"

#include "engine/decimalconv.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mix {
namespace {
// Exact in a double.
constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
} // namespace

std::optional<float> toSingle(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(x);
}

std::optional<double> parseNumber(std::string_view text)
{
    // One pass: check the form and gather the digits as an integer. Up to 15 digits that
    // integer is exact, and one division by an exact power of ten is correctly rounded:
    // the very double a full conversion gives.
    int digits = 0;
    int fractionDigits = 0;
    bool afterPoint = false;
    unsigned long long mantissa = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + static_cast<unsigned>(c - '0'); // wraps harmlessly past 15 digits
            ++digits;
            fractionDigits += afterPoint ? 1 : 0;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (digits <= 15)
        return static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];

    return plainDecimalToDouble(text);
}

std::string formatSignificant(double x, int digits)
{
    if (!std::isfinite(x))
        return std::isnan(x) ? "NaN" : (x > 0 ? "Infinity" : "-Infinity");
    if (x == 0.0)
        return "0";

    // The correctly rounded significant digits and the decimal exponent; the plain form is
    // rebuilt from those so no exponent ever shows.
    const SignificantDigits sig = significantDigits(x, digits);
    const char* mantissa = sig.digits;
    const int exponent = sig.exponent;
    int length = sig.count;
    while (length > 1 && mantissa[length - 1] == '0')
        --length;

    char out[400];
    int n = 0;
    if (x < 0)
        out[n++] = '-';
    const int pointPos = exponent + 1; // digits before the decimal point
    if (pointPos <= 0) {
        out[n++] = '0';
        out[n++] = '.';
        for (int k = 0; k < -pointPos; ++k)
            out[n++] = '0';
        for (int k = 0; k < length; ++k)
            out[n++] = mantissa[k];
    } else {
        for (int k = 0; k < std::max(pointPos, length); ++k) {
            if (k == pointPos)
                out[n++] = '.';
            out[n++] = k < length ? mantissa[k] : '0';
        }
    }
    return std::string(out, static_cast<size_t>(n));
}

std::string formatInt(long long x) { return std::to_string(x); }

} // namespace mix
