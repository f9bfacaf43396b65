#pragma once

#include "engine/calcerror.h"
#include "engine/mixdesign.h"
#include "engine/mixinputs.h"
#include "engine/resulttexts.h"

#include <variant>

namespace mix {

// Every number one accepted Calculate produces, before any of it becomes text.
struct DesignNumbers {
    MixDesign design;
    FinalMix final;
    PerBag perBag;
    double freeMoisture = 0; // t, per cent
    int roundedSand = 0;     // R, the SSD sand at site resolution
    double excessWater = 0;  // R * t / 100, the water the moist sand brings
};

struct CalcResult {
    DesignNumbers numbers;
    ResultTexts texts;
};

// The numbers alone, or the first refusal in the order the computation meets it.
std::variant<DesignNumbers, CalcError> computeDesign(const MixInputs& inputs);

// The whole Calculate: numbers and every result text, or a refusal. Pure: a refusal
// leaves whatever the caller held from an earlier Calculate untouched.
std::variant<CalcResult, CalcError> calculate(const MixInputs& inputs);

} // namespace mix
