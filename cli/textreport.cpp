#include "cli/textreport.h"

#include "engine/thaitexts.h"

namespace cli {
namespace {

void line(std::string& out, std::string_view caption, std::string_view value)
{
    out.append("  ").append(caption).append(" ").append(value).append("\n");
}

} // namespace

std::string textReport(const mix::CalcResult& result)
{
    using namespace mix::text;
    const auto& t = result.texts;
    std::string out = std::string(kFinalFrameCaption) + "\n";
    line(out, kFinalCement, t.at("Label15(0)"));
    line(out, kFinalWater, t.at("Label16(0)"));
    line(out, kFinalSand, t.at("Label17(0)"));
    line(out, kFinalStone, t.at("Label18(0)"));
    line(out, kFinalAdmixture, t.at("Label19(0)"));
    out.append("\n").append(kBagFrameCaption).append("\n");
    line(out, kBagCement, t.at("Label34(0)"));
    line(out, kBagWater, t.at("Label35(0)"));
    line(out, kBagSand, t.at("Label36(0)"));
    line(out, kBagStone, t.at("Label37(0)"));
    line(out, kBagAdmixture, t.at("Label38(0)"));
    out.append("\n").append(t.at("Text6")).append("\n");
    return out;
}

} // namespace cli
