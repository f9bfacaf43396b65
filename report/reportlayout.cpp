#include "report/reportlayout.h"

#include "engine/calculate.h"
#include "engine/fixedcaptions.h"
#include "engine/numbers.h"
#include "report/layouttable.h"
#include "report/ordersheet.h"
#include "report/utf8text.h"

#include <span>

namespace report {

namespace {

// What the window shows in `control` after the Calculate that gave `result`: a fixed caption
// or the text the Calculate wrote.
std::string_view captionOf(const mix::CalcResult& result, std::string_view control)
{
    if (const auto fixed = mix::fixedCaption(control))
        return *fixed;
    return result.texts.at(control);
}

Sheet build(std::span<const layout::Row> rows, const mix::CalcResult& result)
{
    const QString yield = yieldText(result.numbers.design.mcement);
    Sheet lines;
    lines.reserve(rows.size());
    for (const layout::Row& row : rows) {
        QString text;
        for (const layout::Part& part : row.parts) {
            switch (part.kind) {
            case layout::PartKind::Text:
                text += fromUtf8(part.text);
                break;
            case layout::PartKind::Label:
                text += fromUtf8(captionOf(result, part.text));
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

Sheet sheet1Lines(const mix::CalcResult& result) { return build(layout::kSheet1, result); }

Sheet sheet2Lines(const mix::CalcResult& result) { return build(layout::kSheet2, result); }

QString reportTitle(const mix::CalcResult& result)
{
    return fromUtf8(layout::kSheet1[0].parts[0].text).trimmed() + QLatin1Char(' ') +
           fromUtf8(captionOf(result, "Label7")).simplified();
}

std::vector<Sheet> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan)
{
    std::vector<Sheet> sheets{sheet1Lines(result), sheet2Lines(result)};
    if (plan)
        sheets.push_back(orderSheetLines(*plan));
    return sheets;
}

} // namespace report
