#include "engine/moisture.h"

#include "engine/mixdesign.h"
#include "engine/numbers.h"
#include "engine/siterounding.h"

namespace mix {

std::optional<CalcError> adjustForMoisture(DesignNumbers& out, const std::string& moistureText)
{
    MixDesign& d = out.design;
    d.V1 = siteCorrection(d.Weight, 10);
    d.V2 = siteCorrection(d.WSAND, 10);
    d.V3 = siteCorrection(d.WGRAVEL, 10);
    d.V4 = siteCorrection(d.VYA, 100);

    const auto moisture = parseNumber(moistureText);
    if (!moisture)
        return notANumberError(Field::Moisture);
    // 0.7 % is the absorption of river sand: only moisture above it is free water.
    const double t = *moisture - 0.7;
    const int R = siteValue(d.WSAND, d.V2, 10);
    const double excess = R * t / 100;

    const auto v5 = toSingle(R + excess);
    if (!v5)
        return overflowError(Field::Moisture);
    d.V5 = *v5;
    const auto v6 = toInt16(d.V5);
    if (!v6)
        return overflowError(Field::Moisture);
    d.V6 = *v6;
    d.V7 = siteCorrection(d.V6, 10);

    const auto v8 = toSingle(d.W - excess);
    if (!v8)
        return overflowError(Field::Moisture);
    const auto v9 = toInt16(*v8);
    if (!v9)
        return overflowError(Field::Moisture);
    // Water a little below zero still rounds to "add none", a sound design; only water that
    // rounds below zero cannot be batched.
    if (*v9 < 0)
        return negativeWaterError();
    d.V8 = *v8;
    d.V9 = *v9;
    d.V10 = siteCorrection(d.V9, 10);

    out.freeMoisture = t;
    out.roundedSand = R;
    out.excessWater = excess;
    out.final = FinalMix{siteValue(d.Weight, d.V1, 10), siteValue(d.V9, d.V10, 10), siteValue(d.V6, d.V7, 10),
                         siteValue(d.WGRAVEL, d.V3, 10), siteValue(d.VYA, d.V4, 100)};
    return std::nullopt;
}

} // namespace mix
