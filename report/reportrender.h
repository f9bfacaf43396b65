#pragma once

#include "report/reportline.h"

class QPainter;

namespace report {

// Draws one sheet on any painter (printer, PDF, image): each line once, unwrapped, at its
// twip position from the top-left of the painter's device.
void render(QPainter& painter, const std::vector<ReportLine>& lines);

} // namespace report
