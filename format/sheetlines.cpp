#include "format/sheetlines.h"

#include "engine/calcresult.h"
#include "engine/numbers.h"
#include "engine/pourcost.h"
#include "engine/texts/captionwords.h"
#include "engine/texts/pourtexts.h"
#include "format/layouttable.h"

#include <span>

namespace format {

namespace {

// What the window shows in `control` after the Calculate that gave `result`: a fixed caption
// or the text the Calculate wrote.
std::string_view captionOf(const mix::CalcResult& result, std::string_view control)
{
    if (const auto fixed = mix::fixedCaption(control))
        return *fixed;
    return result.texts.at(control);
}

SheetLines build(std::span<const layout::Row> rows, const mix::CalcResult& result)
{
    const std::string yield = yieldText(result.numbers.design.mcement);
    SheetLines lines;
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

// Where the order sheet's lines go, in twips.
constexpr int kTitleX = 4300;
constexpr int kTitleY = 800;
constexpr int kLeft = 1200;
constexpr int kFirstY = 1400;
constexpr int kStep = 350;
constexpr int kSectionGap = 250;

} // namespace

std::string yieldText(float mcement)
{
    // Rounded in doubles like every number of the design; 0.125 is exact there and goes to
    // the even 0.12.
    const double rounded = mix::roundHalfEven(static_cast<double>(mcement), 2);
    return mix::formatDouble(rounded);
}

SheetLines sheet1Lines(const mix::CalcResult& result) { return build(layout::kSheet1, result); }

SheetLines sheet2Lines(const mix::CalcResult& result) { return build(layout::kSheet2, result); }

SheetLines orderSheetLines(const mix::PourPlan& plan, const mix::PourPrices* prices)
{
    const mix::PourOrderText order = mix::pourOrderText(plan);
    SheetLines sheet{{order.title, kTitleX, kTitleY, true}};
    int y = kFirstY;
    const auto add = [&sheet, &y](const std::string& text, bool bold) {
        sheet.push_back({text, kLeft, y, bold});
        y += kStep;
    };
    for (const auto& line : order.entries)
        add(line, false);
    y += kSectionGap;
    add(order.totalsHeading, true);
    for (const auto& line : order.totals)
        add(line, false);
    y += kSectionGap;
    add(order.batchHeading, true);
    for (const auto& line : order.batch)
        add(line, false);
    if (!prices || !prices->any())
        return sheet;
    // A cost too large to compute is refused on the tab and on the command line before a
    // sheet is asked for; here it simply leaves the section out.
    const auto cost = mix::costPour(plan, *prices);
    if (const auto* figures = std::get_if<mix::PourCost>(&cost)) {
        const mix::PourCostText text = mix::pourCostText(plan, *prices, *figures);
        y += kSectionGap;
        add(text.heading, true);
        for (const auto& line : text.lines)
            add(line, false);
        add(text.note, false);
    }
    return sheet;
}

std::vector<SheetLines> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan,
                                     const mix::PourPrices* prices)
{
    std::vector<SheetLines> sheets{sheet1Lines(result), sheet2Lines(result)};
    if (plan)
        sheets.push_back(orderSheetLines(*plan, prices));
    return sheets;
}

} // namespace format
