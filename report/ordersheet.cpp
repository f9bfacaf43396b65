#include "report/ordersheet.h"

#include "engine/pourcost.h"
#include "engine/pourtexts.h"
#include "report/utf8text.h"

namespace report {

namespace {

constexpr int kTitleX = 4300;
constexpr int kTitleY = 800;
constexpr int kLeft = 1200;
constexpr int kFirstY = 1400;
constexpr int kStep = 350;
constexpr int kSectionGap = 250;

} // namespace

Sheet orderSheetLines(const mix::PourPlan& plan, const mix::PourPrices* prices)
{
    const mix::PourOrderText order = mix::pourOrderText(plan);
    Sheet sheet{{fromUtf8(order.title), kTitleX, kTitleY, true}};
    int y = kFirstY;
    const auto add = [&sheet, &y](const std::string& text, bool bold) {
        sheet.push_back({fromUtf8(text), kLeft, y, bold});
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

} // namespace report
