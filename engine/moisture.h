#pragma once

#include "engine/calcerror.h"

#include <optional>
#include <string>

namespace mix {

struct DesignNumbers;

// Site rounding of every quantity and the correction of sand and water for the sand's
// moisture; fills V1..V10 and the final mix.
std::optional<CalcError> adjustForMoisture(DesignNumbers& out, const std::string& moistureText);

} // namespace mix
