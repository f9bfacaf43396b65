#pragma once

#include "engine/calculate.h"
#include "report/line.h"

namespace reporttest {

// The two designs worked through by hand, as the data-entry page holds them.
mix::MixInputs firstWorkedExample();
mix::MixInputs secondWorkedExample();

// What the main window shows after an accepted Calculate of `inputs`: the result texts of
// the engine in their labels beside the fixed captions of the details page.
struct CalculatedWindow {
    mix::CalcResult result;
};
CalculatedWindow calculatedWindow(const mix::MixInputs& inputs);

} // namespace reporttest
