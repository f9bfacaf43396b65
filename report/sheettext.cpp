#include "report/sheettext.h"

#include "engine/calculate.h"
#include "engine/fixedcaptions.h"
#include "engine/numbers.h"
#include "engine/pourtexts.h"
#include "report/layouttable.h"

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

SheetText build(std::span<const layout::Row> rows, const mix::CalcResult& result)
{
    const std::string yield = yieldOfOneBagText(result.numbers.design.mcement);
    SheetText lines;
    lines.reserve(rows.size());
    for (const layout::Row& row : rows) {
        std::string text;
        for (const layout::Part& part : row.parts) {
            switch (part.kind) {
            case layout::PartKind::Text:
                text += part.text;
                break;
            case layout::PartKind::Label:
                text += captionOf(result, part.text);
                break;
            case layout::PartKind::Yield:
                text += yield;
                break;
            case layout::PartKind::None:
                break;
            }
        }
        lines.push_back({std::move(text), row.x, row.y, row.bold});
    }
    return lines;
}

constexpr int kOrderTitleX = 4300;
constexpr int kOrderTitleY = 800;
constexpr int kOrderLeft = 1200;
constexpr int kOrderFirstY = 1400;
constexpr int kOrderStep = 350;
constexpr int kOrderSectionGap = 250;

} // namespace

std::string yieldOfOneBagText(float mcement)
{
    // Rounded in doubles like every number of the design; 0.125 is exact there and goes to
    // the even 0.12.
    return mix::formatDouble(mix::roundHalfEven(static_cast<double>(mcement), 2));
}

SheetText sheet1Text(const mix::CalcResult& result) { return build(layout::kSheet1, result); }

SheetText sheet2Text(const mix::CalcResult& result) { return build(layout::kSheet2, result); }

SheetText orderSheetText(const mix::PourPlan& plan)
{
    const mix::PourOrderText order = mix::pourOrderText(plan);
    SheetText sheet{{order.title, kOrderTitleX, kOrderTitleY, true}};
    int y = kOrderFirstY;
    const auto add = [&sheet, &y](const std::string& text, bool bold) {
        sheet.push_back({text, kOrderLeft, y, bold});
        y += kOrderStep;
    };
    for (const auto& line : order.entries)
        add(line, false);
    y += kOrderSectionGap;
    add(order.totalsHeading, true);
    for (const auto& line : order.totals)
        add(line, false);
    y += kOrderSectionGap;
    add(order.batchHeading, true);
    for (const auto& line : order.batch)
        add(line, false);
    return sheet;
}

std::vector<SheetText> reportSheetsText(const mix::CalcResult& result, const mix::PourPlan* plan)
{
    std::vector<SheetText> sheets{sheet1Text(result), sheet2Text(result)};
    if (plan)
        sheets.push_back(orderSheetText(*plan));
    return sheets;
}

} // namespace report
