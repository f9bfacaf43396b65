#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace report {

// The caption a control of the main window shows now, by the name the window gives it
// ("Label7", "Label5(2)", "Label34(0)"); empty for a control without text.
using CaptionLookup = std::function<QString(const QString& control)>;

// One printed line: drawn as a single run at (x, y) twips from the top-left corner of the
// printable area, which is where its first character's top-left corner goes.
struct ReportLine {
    QString text;
    int x = 0;
    int y = 0;
    bool bold = false;

    bool operator==(const ReportLine&) const = default;
};

} // namespace report
