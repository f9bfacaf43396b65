#include "format/sheetlines.h"

#include "engine/calcresult.h"
#include "engine/design.h"
#include "engine/numbers.h"
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

std::string_view durabilityLine(const mix::DurabilityText& verdict, std::string_view line)
{
    if (line == "exposure")
        return verdict.exposure;
    return line == "verdict" ? verdict.verdict : verdict.least;
}

SheetLines build(std::span<const layout::Row> rows, const mix::CalcResult& result,
                 const mix::DurabilityText* verdict = nullptr)
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
            case layout::PartKind::Durability:
                text += durabilityLine(*verdict, part.text);
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

// The text with its blanks at either end dropped and every run of them inside made one.
std::string folded(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c != ' ')
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += c;
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace

std::string yieldText(float mcement)
{
    // Rounded in doubles like every number of the design; 0.125 is exact there and goes to
    // the even 0.12.
    const double rounded = mix::roundHalfEven(static_cast<double>(mcement), 2);
    return mix::formatDouble(rounded);
}

SheetLines sheet1Lines(const mix::CalcResult& result) { return build(layout::kSheet1, result); }

SheetLines sheet1Lines(const mix::Design& design)
{
    SheetLines lines = sheet1Lines(*design.result);
    if (!design.durability)
        return lines;
    const mix::DurabilityText& verdict = design.durabilityText;
    // A design that meets its class has no least strength to name.
    const std::span<const layout::Row> rows(layout::kSheet1Durability, verdict.least.empty() ? 2 : 3);
    for (SheetLine& line : build(rows, *design.result, &verdict))
        lines.push_back(std::move(line));
    return lines;
}

SheetLines sheet2Lines(const mix::CalcResult& result) { return build(layout::kSheet2, result); }

SheetLines orderSheetLines(const mix::Design& design)
{
    if (!design.plan)
        return {};
    const mix::PourOrderText& order = design.orderText;
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
    const mix::PourCostText& cost = design.costText;
    if (cost.lines.empty())
        return sheet;
    y += kSectionGap;
    add(cost.heading, true);
    for (const auto& line : cost.lines)
        add(line, false);
    add(cost.note, false);
    return sheet;
}

std::string reportTitle(const mix::CalcResult& result)
{
    return folded(layout::kSheet1[0].parts[0].text) + " " + folded(captionOf(result, "Label7"));
}

std::vector<SheetLines> reportSheets(const mix::Design& design)
{
    if (!design.result)
        return {};
    std::vector<SheetLines> sheets{sheet1Lines(design), sheet2Lines(*design.result)};
    if (design.plan)
        sheets.push_back(orderSheetLines(design));
    return sheets;
}

} // namespace format
