#pragma once

#include "engine/design.h"

#include <string>

namespace format {

// The final mix per cubic metre and the per-bag batch in Thai, with the window's captions; with
// a planned pour, the material order after them, and with prices what it costs.
// The design must be accepted.
std::string textReport(const mix::Design& design);

} // namespace format
