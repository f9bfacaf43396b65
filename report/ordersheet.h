#pragma once

#include "report/reportline.h"

namespace mix {
struct PourPlan;
struct PourPrices;
} // namespace mix

namespace report {

// Sheet 3, the material order of a pour: the planner's entries, what to order for the whole
// pour, and what goes into one mixer batch; with prices, what the order costs.
Sheet orderSheetLines(const mix::PourPlan& plan, const mix::PourPrices* prices = nullptr);

} // namespace report
