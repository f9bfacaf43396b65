#pragma once

#include <QPageLayout>

namespace report {

// The page of a report written to a PDF: upright A4 without margins.
QPageLayout reportPageLayout();

} // namespace report
