#pragma once

#include "engine/calculate.h"
#include "engine/pourplan.h"

#include <string>

namespace format {

// The final mix per cubic metre and the per-bag batch in Thai, with the window's captions; with
// a planned pour, the material order after them.
std::string textReport(const mix::CalcResult& result, const mix::PourPlan* plan = nullptr);

} // namespace format
