#include "format/textreport.h"

#include "engine/texts/captionwords.h"
#include "engine/texts/pourtexts.h"
#include "engine/texts/summarywords.h"
#include "format/layouttable.h"

namespace format {
namespace {

void line(std::string& out, std::string_view caption, std::string_view value)
{
    out.append("  ").append(caption).append(" ").append(value).append("\n");
}

} // namespace

std::string textReport(const mix::Design& design)
{
    using namespace mix::summarywords;
    const auto& t = design.result->texts;
    // What was asked for, on which specimen, and what the mix is made for.
    std::string out;
    for (const auto& row : {format::layout::kSheet1[2], format::layout::kSheet1[3]}) {
        for (const auto& part : row.parts)
            out.append(part.kind == layout::PartKind::Label ? t.at(part.text) : part.text);
        out += "\n";
    }
    out.append("\n").append(mix::captionOf("Frame4(0)")).append("\n");
    line(out, kFinalCement, t.at("Label15(0)"));
    line(out, kFinalWater, t.at("Label16(0)"));
    line(out, kFinalSand, t.at("Label17(0)"));
    line(out, kFinalStone, t.at("Label18(0)"));
    line(out, kFinalAdmixture, t.at("Label19(0)"));
    if (design.durability) {
        const mix::DurabilityText& verdict = design.durabilityText;
        out.append("\n").append(verdict.exposure).append("\n  ").append(verdict.verdict).append("\n");
        if (!verdict.least.empty())
            out.append("  ").append(verdict.least).append("\n");
    }
    out.append("\n").append(mix::captionOf("Frame6(0)")).append("\n");
    line(out, kBagCement, t.at("Label34(0)"));
    line(out, kBagWater, t.at("Label35(0)"));
    line(out, kBagSand, t.at("Label36(0)"));
    line(out, kBagStone, t.at("Label37(0)"));
    line(out, kBagAdmixture, t.at("Label38(0)"));
    out.append("\n").append(t.at("Text6")).append("\n");
    if (!design.plan)
        return out;
    const mix::PourOrderText& order = design.orderText;
    out.append("\n").append(order.title).append("\n");
    const auto section = [&out](const std::vector<std::string>& lines) {
        for (const auto& l : lines)
            out.append("  ").append(l).append("\n");
    };
    section(order.entries);
    out.append("\n").append(order.totalsHeading).append("\n");
    section(order.totals);
    out.append("\n").append(order.batchHeading).append("\n");
    section(order.batch);
    const mix::PourCostText& cost = design.costText;
    if (cost.lines.empty())
        return out;
    out.append("\n").append(cost.heading).append("\n");
    section(cost.lines);
    section({cost.note});
    return out;
}

} // namespace format
