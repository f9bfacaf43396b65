#pragma once

#include "format/sheetlines.h"

#include <cstddef>
#include <string>

namespace mix {
struct Design;
} // namespace mix

namespace format {

// The method's water/cement ratio against the strength typed (in that specimen's terms, over the
// strengths the method designs), with the design's own point, the class's limits and the least
// strength that meets it: one SVG for the window, a PDF and the page. Empty when the design has
// no exposure class.
std::string durabilityChartSvg(const mix::Design& design);

// Where a report draws the chart: on sheet 2, under the batch for one bag, where the page is
// blank, at the chart's own proportions of 640 by 360.
inline constexpr std::size_t kDurabilityChartSheet = 1;
inline constexpr SheetBox kDurabilityChart{1300, 6000, 8800, 4950};

} // namespace format
