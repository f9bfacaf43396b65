#pragma once

#include "report/reportline.h"

namespace mix {
struct PourPlan;
}

namespace report {

// Sheet 3, the material order of a pour: the planner's entries, what to order for the whole
// pour, and what goes into one mixer batch.
Sheet orderSheetLines(const mix::PourPlan& plan);

} // namespace report
