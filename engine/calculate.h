#pragma once

#include "engine/calcerror.h"
#include "engine/calcresult.h"
#include "engine/mixinputs.h"

#include <variant>

namespace mix {

// The numbers alone, or the first refusal in the order the computation meets it.
std::variant<DesignNumbers, CalcError> computeDesign(const MixInputs& inputs);

// The whole Calculate: numbers and every result text, or a refusal. Pure: a refusal
// leaves whatever the caller held from an earlier Calculate untouched.
std::variant<CalcResult, CalcError> calculate(const MixInputs& inputs);

} // namespace mix
