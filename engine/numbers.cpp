#include "numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace mix {

double roundHalfEven(double x)
{
    // nearbyint honours the current rounding mode, which is to-nearest-even unless
    // somebody changed it; rounding explicitly keeps the result independent of that.
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

double roundHalfEven(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return roundHalfEven(x * scale) / scale;
}

std::optional<std::int16_t> toInt16(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = roundHalfEven(x);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<float> toSingle(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(x);
}

std::optional<double> parseNumber(std::string_view text)
{
    int digits = 0;
    int points = 0;
    bool nonZeroBeforePoint = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
            if (points == 0 && c != '0')
                nonZeroBeforePoint = true;
        } else if (c == '.') {
            ++points;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1)
        return std::nullopt;

    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range)
        // A run of digits too long for a double: huge if any integer digit is not zero,
        // otherwise a fraction too small to be anything but zero.
        return nonZeroBeforePoint ? std::numeric_limits<double>::infinity() : 0.0;
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string formatSignificant(double x, int digits)
{
    if (!std::isfinite(x))
        return std::isnan(x) ? "NaN" : (x > 0 ? "Infinity" : "-Infinity");
    if (x == 0.0)
        return "0";

    // "%.*e" gives the correctly rounded significant digits and the decimal exponent;
    // the plain form is rebuilt from those so no exponent ever shows.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, std::fabs(x));
    std::string mantissa;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            mantissa += *p;
    const int exponent = std::atoi(p + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out;
    const int pointPos = exponent + 1;  // digits before the decimal point
    if (pointPos <= 0) {
        out = "0." + std::string(static_cast<size_t>(-pointPos), '0') + mantissa;
    } else if (static_cast<size_t>(pointPos) >= mantissa.size()) {
        out = mantissa + std::string(static_cast<size_t>(pointPos) - mantissa.size(), '0');
    } else {
        out = mantissa.substr(0, static_cast<size_t>(pointPos)) + "." + mantissa.substr(static_cast<size_t>(pointPos));
    }
    return x < 0 ? "-" + out : out;
}

std::string formatInt(long long x) { return std::to_string(x); }

}  // namespace mix
