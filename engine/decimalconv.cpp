#include "engine/decimalconv.h"

#include <cmath>
#include <limits>
#include <version>

#if defined(__cpp_lib_to_chars) && !defined(MIXDESIGN_PORTABLE_NUMBERS)
#define MIXDESIGN_CHARCONV 1
#include <charconv>
#else
#define MIXDESIGN_CHARCONV 0
#include <cstdio>
#include <cstdlib>
#include <type_traits>
#endif

namespace mix {
namespace {

// Digits up to an 'e' (any point, whatever the locale makes it, skipped), then the exponent.
SignificantDigits readScientific(const char* p, const char* end, int count)
{
    SignificantDigits out;
    for (; p != end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9' && out.count < count)
            out.digits[out.count++] = *p;
    bool negative = false;
    for (++p; p < end; ++p) {
        if (*p == '-')
            negative = true;
        else if (*p >= '0' && *p <= '9')
            out.exponent = out.exponent * 10 + (*p - '0');
    }
    if (negative)
        out.exponent = -out.exponent;
    return out;
}

#if !MIXDESIGN_CHARCONV

// Digits and a power of ten, never a decimal point: strtod reads that the same in every locale.
std::string withoutPoint(const char* digits, int count, int exponent)
{
    std::string s(digits, static_cast<size_t>(count));
    s += 'e';
    s += std::to_string(exponent);
    return s;
}

template <typename T> T readBack(const std::string& s)
{
    if constexpr (std::is_same_v<T, float>)
        return std::strtof(s.c_str(), nullptr);
    else
        return std::strtod(s.c_str(), nullptr);
}

// Adds one unit in the last place; false when that carries out of the first digit.
bool increment(SignificantDigits& d)
{
    for (int k = d.count - 1; k >= 0; --k) {
        if (d.digits[k] != '9') {
            ++d.digits[k];
            return true;
        }
        d.digits[k] = '0';
    }
    return false;
}

bool decrement(SignificantDigits& d)
{
    for (int k = d.count - 1; k >= 0; --k) {
        if (d.digits[k] != '0') {
            --d.digits[k];
            return k != 0 || d.digits[0] != '0';
        }
        d.digits[k] = '9';
    }
    return false;
}

template <typename T> bool readsBackAs(const SignificantDigits& d, T x)
{
    return readBack<T>(withoutPoint(d.digits, d.count, d.exponent - d.count + 1)) == std::fabs(x);
}

// The fewest digits that read back as x; of those, the nearest to x. The correctly rounded
// digits are the nearest; when they miss, the neighbour on the other side of x may not, since
// the interval that reads back as x is narrower below a power of two than above it.
template <typename T> SignificantDigits shortestDigits(T x)
{
    const int most = std::numeric_limits<T>::max_digits10;
    for (int count = 1; count < most; ++count) {
        const SignificantDigits nearest = significantDigits(x, count);
        if (readsBackAs(nearest, x))
            return nearest;
        for (bool up : {true, false}) {
            SignificantDigits other = nearest;
            if ((up ? increment(other) : decrement(other)) && readsBackAs(other, x))
                return other;
        }
    }
    return significantDigits(x, most);
}

// Plain or scientific, as printf's %f or %e would write the digits, whichever is shorter.
template <typename T> std::string shortestText(T x)
{
    std::string out = std::signbit(x) ? "-" : "";
    if (std::isnan(x))
        return out + "nan";
    if (std::isinf(x))
        return out + "inf";
    if (x == 0)
        return out + "0";

    SignificantDigits d = shortestDigits(x);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    const int n = d.count;
    const int e = d.exponent;
    const int absExponent = e < 0 ? -e : e;
    const int scientificLength = n + (n > 1 ? 1 : 0) + 2 + (absExponent >= 100 ? 3 : 2);
    const int plainLength = e >= 0 ? (n > e + 1 ? n + 1 : e + 1) : 1 - e + n;
    if (plainLength <= scientificLength) {
        if (e < 0) {
            out += "0.";
            out.append(static_cast<size_t>(-e - 1), '0');
            out.append(d.digits, static_cast<size_t>(n));
        } else if (n > e + 1) {
            out.append(d.digits, static_cast<size_t>(e + 1)).append(".");
            out.append(d.digits + e + 1, static_cast<size_t>(n - e - 1));
        } else {
            // A whole number is written with all its exact digits, not the shortest ones
            // padded with zeros, as "%.0f" writes it.
            char whole[400];
            std::snprintf(whole, sizeof whole, "%.0f", std::fabs(static_cast<double>(x)));
            out += whole;
        }
        return out;
    }
    out += d.digits[0];
    if (n > 1)
        out.append(".").append(d.digits + 1, static_cast<size_t>(n - 1));
    out += e < 0 ? "e-" : "e+";
    if (absExponent < 10)
        out += '0';
    return out + std::to_string(absExponent);
}

#endif

} // namespace

#if MIXDESIGN_CHARCONV

namespace {
// Too large for a double when the first significant digit stands before the point;
// otherwise too small, since only 309 or more leading zeros take a plain decimal out of range.
double outOfRange(std::string_view text)
{
    for (char c : text) {
        if (c == '.')
            return 0.0;
        if (c != '0')
            return std::numeric_limits<double>::infinity();
    }
    return 0.0;
}
} // namespace

bool decimalConvUsesCharconv() { return true; }

double plainDecimalToDouble(std::string_view text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return result.ec == std::errc::result_out_of_range ? outOfRange(text) : value;
}

SignificantDigits significantDigits(double x, int count)
{
    char buffer[48];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific, count - 1);
    return readScientific(buffer, result.ptr, count);
}

std::string formatShortest(double x)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
}

std::string formatShortest(float x)
{
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
}

#else

bool decimalConvUsesCharconv() { return false; }

double plainDecimalToDouble(std::string_view text)
{
    std::string digits;
    int fractionDigits = 0;
    bool afterPoint = false;
    for (char c : text) {
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        digits += c;
        fractionDigits += afterPoint ? 1 : 0;
    }
    // Beyond the range strtod gives infinity or zero, as the other reading does; a subnormal
    // it flags with ERANGE but reads correctly, so the flag is not looked at.
    return std::strtod(withoutPoint(digits.data(), static_cast<int>(digits.size()), -fractionDigits).c_str(), nullptr);
}

SignificantDigits significantDigits(double x, int count)
{
    char buffer[48];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*e", count - 1, std::fabs(x));
    return readScientific(buffer, buffer + length, count);
}

std::string formatShortest(double x) { return shortestText(x); }
std::string formatShortest(float x) { return shortestText(x); }

#endif

} // namespace mix
