#pragma once

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

} // namespace format
