#pragma once

#include "report/reportline.h"

namespace report {

// Sheet 1, the calculation record: always 44 lines, whatever the captions hold.
std::vector<ReportLine> sheet1Lines(const CaptionLookup& caption);

// Sheet 2, the batch for one bag of cement: always 10 lines.
std::vector<ReportLine> sheet2Lines(const CaptionLookup& caption, float mcement);

// The concrete one bag yields, in cubic metres, as sheet 2 prints it.
QString yieldText(float mcement);

} // namespace report
