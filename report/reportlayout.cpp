#include "report/reportlayout.h"

#include "engine/numbers.h"
#include "report/layouttable.h"

#include "ui/common/utf8text.h"
#include <span>

namespace report {

namespace {

std::vector<ReportLine> build(std::span<const layout::Row> rows, const CaptionLookup& caption, const QString& yield)
{
    std::vector<ReportLine> lines;
    lines.reserve(rows.size());
    for (const layout::Row& row : rows) {
        QString text;
        for (const layout::Part& part : row.parts) {
            switch (part.kind) {
            case layout::PartKind::Text:
                text += fromUtf8(part.text);
                break;
            case layout::PartKind::Label:
                if (caption)
                    text += caption(fromUtf8(part.text));
                break;
            case layout::PartKind::Yield:
                text += yield;
                break;
            case layout::PartKind::None:
                break;
            }
        }
        lines.push_back({text, row.x, row.y, row.bold});
    }
    return lines;
}

} // namespace

QString yieldText(float mcement)
{
    // Rounded in doubles like every number of the design; 0.125 is exact there and goes to
    // the even 0.12.
    const double rounded = mix::roundHalfEven(static_cast<double>(mcement), 2);
    return QString::fromStdString(mix::formatDouble(rounded));
}

std::vector<ReportLine> sheet1Lines(const CaptionLookup& caption) { return build(layout::kSheet1, caption, {}); }

std::vector<ReportLine> sheet2Lines(const CaptionLookup& caption, float mcement)
{
    return build(layout::kSheet2, caption, yieldText(mcement));
}

} // namespace report
