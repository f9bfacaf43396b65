#pragma once

#include "engine/calcresult.h"
#include "engine/pourcost.h"
#include "engine/pourplan.h"

#include <string>

namespace format {

// The final mix per cubic metre and the per-bag batch in Thai, with the window's captions; with
// a planned pour, the material order after them, and with prices what it costs.
std::string textReport(const mix::CalcResult& result, const mix::PourPlan* plan = nullptr,
                       const mix::PourPrices* prices = nullptr);

} // namespace format
