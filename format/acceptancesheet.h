#pragma once

#include "engine/acceptance.h"
#include "format/sheetlines.h"

#include <string>
#include <string_view>
#include <vector>

namespace format {

// Where the first acceptance sheet leaves room for the chart (format/acceptancechart.h): under the
// figures, at the chart's own proportions of 640 by 360, small enough that 30 tests still fit below.
inline constexpr SheetBox kAcceptanceChart{1500, 2200, 8800, 4950};

// The acceptance sheet to file: the date, the specified strength and specimen, the figures, the
// chart's room, both verdicts with each low window and test, the margin advice, the tests in two
// columns with the low ones marked, and a line for the engineer's signature. Tests that do not
// fit the first sheet go on to more.
std::vector<SheetLines> acceptanceSheets(const mix::Acceptance& acceptance, std::string_view date);

// The title a filed PDF of it carries.
std::string acceptanceTitle(const mix::Acceptance& acceptance);

// The same judgement as the command's Thai text.
std::string acceptanceTextReport(const mix::Acceptance& acceptance);

} // namespace format
