#include "engine/siterounding.h"

#include "engine/numbers.h"

namespace mix {

float siteCorrection(int x, int unit)
{
    const double q = static_cast<double>(x) / unit;
    float v = static_cast<float>(q - static_cast<double>(static_cast<long long>(q))); // x is 16-bit
    const float low = 0.3f;
    const float half = 0.5f;
    const float high = 0.7f;
    const float one = 1.0f;
    if (low > v)
        v = -v;
    if (low <= v && v <= half)
        v = static_cast<float>(static_cast<double>(half) - v);
    if (half < v && v < high)
        v = static_cast<float>(static_cast<double>(half) - v);
    if (high <= v && v <= one)
        v = static_cast<float>(static_cast<double>(one) - v);
    return v;
}

int siteValue(int x, float correction, int unit)
{
    const double q = static_cast<double>(x) / unit + static_cast<double>(correction);
    return static_cast<int>(roundHalfEven(q * unit));
}

} // namespace mix
