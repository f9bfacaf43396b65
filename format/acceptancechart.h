#pragma once

#include "engine/acceptance.h"
#include "format/svgchart.h"

#include <string>

namespace format {

// The tests in order, the running average of three at the last test of each window, and the four
// limits; low tests and low windows ringed. One drawing for the window, the PDF and the page.
svg::Chart acceptanceChart(const mix::Acceptance& acceptance);
std::string acceptanceChartSvg(const mix::Acceptance& acceptance);

} // namespace format
