#include "engine/money.h"

#include "engine/decimalconv.h"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace mix {
namespace {

__extension__ typedef __int128 Wide; // GCC and clang, the compilers the project builds with

// A finite double as digits × 10^-scale, from its shortest round-trip text: 1.015 is 1015 and 3.
struct Decimal {
    Wide digits = 0;
    int scale = 0;
};

std::optional<Decimal> decimalOf(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    // The shortest text through the engine's own conversion, which every library has (the
    // WebAssembly one has no floating-point <charconv>): plain or with an exponent.
    const std::string s = formatShortest(x);
    Decimal d;
    bool negative = false;
    int fraction = 0;
    bool afterPoint = false;
    size_t i = 0;
    for (; i < s.size() && s[i] != 'e'; ++i) {
        if (s[i] == '-')
            negative = true;
        else if (s[i] == '.')
            afterPoint = true;
        else {
            d.digits = d.digits * 10 + (s[i] - '0');
            fraction += afterPoint;
        }
    }
    int exponent = 0;
    bool negativeExponent = false;
    for (++i; i < s.size(); ++i) {
        if (s[i] == '-')
            negativeExponent = true;
        else if (s[i] >= '0' && s[i] <= '9')
            exponent = exponent * 10 + (s[i] - '0');
    }
    d.scale = fraction - (negativeExponent ? -exponent : exponent);
    if (negative)
        d.digits = -d.digits;
    return d;
}

Wide power10(int n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// numerator / denominator to the nearest whole, half to even; the denominator is positive.
Wide dividedHalfEven(Wide numerator, Wide denominator)
{
    Wide quotient = numerator / denominator;
    Wide remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    const Wide twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

// Far past any pour (ten million baht a bag times a million cubic metres is 10^15 satang), and
// well inside what a double shows to the satang.
constexpr Wide kMostSatang = 1'000'000'000'000'000'000;
// 10^38 still fits in 128 bits; a product of two 17-digit decimals is below 10^35, so past
// this scale it rounds to nothing.
constexpr int kMostScale = 38;

std::optional<Satang> bounded(Wide satang)
{
    if (satang > kMostSatang || satang < -kMostSatang)
        return std::nullopt;
    return static_cast<Satang>(satang);
}

} // namespace

std::optional<Satang> satangOfProduct(double quantity, double price)
{
    const auto q = decimalOf(quantity);
    const auto p = decimalOf(price);
    if (!q || !p)
        return std::nullopt;
    // Each has at most 17 significant digits, so the product of the two fits in 128 bits.
    const Wide product = q->digits * p->digits;
    const int scale = q->scale + p->scale - 2; // to satang
    if (scale > kMostScale)
        return Satang{0};
    if (scale <= 0) {
        if (-scale > 20)
            return std::nullopt;
        const Wide factor = power10(-scale);
        if (product != 0 && (product > kMostSatang / factor || product < -kMostSatang / factor))
            return std::nullopt;
        return bounded(product * factor);
    }
    return bounded(dividedHalfEven(product, power10(scale)));
}

std::optional<Satang> satangOfQuotient(Satang amount, double divisor)
{
    const auto d = decimalOf(divisor);
    if (!d || d->digits <= 0)
        return std::nullopt;
    // amount / (digits × 10^-scale) = amount × 10^scale / digits
    Wide numerator = amount;
    Wide denominator = d->digits;
    // The amount is below 10^18 and the divisor has at most 17 digits: up to 10^19 either way
    // keeps every figure inside 128 bits.
    if (d->scale > 19 || -d->scale > 19)
        return std::nullopt;
    if (d->scale >= 0)
        numerator *= power10(d->scale);
    else
        denominator *= power10(-d->scale);
    return bounded(dividedHalfEven(numerator, denominator));
}

} // namespace mix
