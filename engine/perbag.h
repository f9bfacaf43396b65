#pragma once

#include "engine/calcerror.h"

#include <optional>

namespace mix {

struct DesignNumbers;

// Scales the final mix to one 50 kg bag of cement in site measures; sets mcement.
std::optional<CalcError> batchPerBag(DesignNumbers& out);

} // namespace mix
