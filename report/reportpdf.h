#pragma once

#include "report/reportline.h"

class QIODevice;

namespace report {

// Both sheets of the report as one PDF, one upright A4 page each, drawn exactly as they
// are printed. Returns false when the output cannot be opened or written; the file is then
// left as it was.
bool writeReportPdf(const QString& file, const CaptionLookup& caption, float mcement);
bool writeReportPdf(QIODevice* device, const CaptionLookup& caption, float mcement);

} // namespace report
