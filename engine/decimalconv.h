#pragma once

#include <string>
#include <string_view>

// Decimal text to and from binary floating point, correctly rounded and independent of the
// C locale. Two implementations, chosen at compile time: the standard <charconv> where the
// library has its floating-point part, and otherwise strtod and printf, whose results are
// brought to the very same bytes. MIXDESIGN_PORTABLE_NUMBERS forces the second one, so it can
// be tested where the first one exists.

namespace mix {

// True when this build reads and writes numbers through <charconv>.
bool decimalConvUsesCharconv();

// The double nearest to a plain decimal: ASCII digits with at most one '.', at least one
// digit, nothing else (the caller has checked the form). A value beyond the double range is
// infinity; one too small for it is zero.
double plainDecimalToDouble(std::string_view text);

// The `count` (1..17) leading significant digits of |x|, correctly rounded with ties to even,
// and the decimal exponent of the first one. x must be finite and not zero.
struct SignificantDigits {
    char digits[17];
    int count = 0;
    int exponent = 0;
};
SignificantDigits significantDigits(double x, int count);

// The shortest text that reads back as the same value, in the form std::to_chars(first,
// last, x) gives it: plain or with an exponent ("1e-05", "1e+20"), whichever is shorter,
// plain on a tie; "inf", "-inf", "nan" for the special values.
std::string formatShortest(double x);
std::string formatShortest(float x);

} // namespace mix
