#pragma once

#include <QString>

#include <vector>

namespace report {

// One printed line: drawn as a single run at (x, y) twips from the top-left corner of the
// printable area, which is where its first character's top-left corner goes.
struct ReportLine {
    QString text;
    int x = 0;
    int y = 0;
    bool bold = false;

    bool operator==(const ReportLine&) const = default;
};

// One sheet of paper: one print job, or one page of a PDF or a preview.
using Sheet = std::vector<ReportLine>;

} // namespace report
