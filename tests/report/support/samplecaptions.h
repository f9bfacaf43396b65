#pragma once

#include "engine/calculate.h"
#include "engine/design.h"

#include <initializer_list>
#include <utility>

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

// The planner's entries as typed, the rest left empty.
mix::EntryTexts pourEntries(std::initializer_list<std::pair<mix::Entry, const char*>> typed);
// The design the window prints after an accepted Calculate of `inputs` with the planner's
// entries `pour`.
mix::Design calculatedDesign(const mix::MixInputs& inputs, const mix::EntryTexts& pour = {});

} // namespace reporttest
