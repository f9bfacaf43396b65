#include "format/numbertext.h"

#include "engine/decimalconv.h"

#include <cmath>

namespace format {

std::string numberText(double value, Precision precision)
{
    if (!std::isfinite(value))
        return "null";
    // Through the engine's portable conversion, so the text is the same wherever the engine builds.
    return precision == Precision::Single ? mix::formatShortest(static_cast<float>(value)) : mix::formatShortest(value);
}

} // namespace format
