#include "format/numbertext.h"

#include "engine/decimalconv.h"

#include <cmath>
#include <cstdlib>

namespace format {
namespace {

// The same digits without the exponent ("2e+06" is 2000000, "1.5e-07" 0.00000015): a
// spreadsheet shows an exponent as 2.00E+06, and a reader of the JSON may not expect one.
std::string withoutExponent(const std::string& text)
{
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    const size_t signLength = text[0] == '-' ? 1 : 0;
    std::string digits;
    long pointAt = 0; // digits before the decimal point
    for (size_t i = signLength; i < e; ++i) {
        if (text[i] == '.')
            pointAt = long(digits.size());
        else
            digits += text[i];
    }
    if (text.find('.') == std::string::npos)
        pointAt = long(digits.size());
    pointAt += std::strtol(text.c_str() + e + 1, nullptr, 10);
    std::string out = text.substr(0, signLength);
    if (pointAt <= 0)
        out.append("0.").append(size_t(-pointAt), '0').append(digits);
    else if (size_t(pointAt) >= digits.size())
        out.append(digits).append(size_t(pointAt) - digits.size(), '0');
    else
        out.append(digits, 0, size_t(pointAt)).append(".").append(digits, size_t(pointAt));
    return out;
}

} // namespace

std::string numberText(double value, Precision precision)
{
    if (!std::isfinite(value))
        return "null";
    // Through the engine's portable conversion, so the text is the same wherever the engine builds.
    return withoutExponent(precision == Precision::Single ? mix::formatShortest(static_cast<float>(value))
                                                          : mix::formatShortest(value));
}

} // namespace format
