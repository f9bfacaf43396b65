#include "cli/output.h"

#include "engine/thaitexts.h"

#include <charconv>
#include <cstdio>

namespace cli {
namespace {

std::string jsonString(std::string_view s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

// Shortest text that reads back as the same float.
std::string jsonSingle(float x)
{
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x);
    return ec == std::errc() ? std::string(buf, end) : "null";
}

class JsonObject {
public:
    JsonObject& add(std::string_view key, const std::string& rawValue)
    {
        if (!m_body.empty())
            m_body += ',';
        m_body.append(jsonString(key)).append(":").append(rawValue);
        return *this;
    }
    JsonObject& add(std::string_view key, long long v) { return add(key, std::to_string(v)); }
    JsonObject& addSingle(std::string_view key, float v) { return add(key, jsonSingle(v)); }
    JsonObject& addText(std::string_view key, std::string_view v) { return add(key, jsonString(v)); }
    std::string str() const { return "{" + m_body + "}"; }

private:
    std::string m_body;
};

std::string designJson(const mix::MixDesign& d)
{
    JsonObject o;
    o.add("F", d.F).add("W", d.W).add("P", d.P).addSingle("mcement", d.mcement).add("Weight", d.Weight);
    o.add("VOLUM", d.VOLUM).addSingle("WA", d.WA).addSingle("V1", d.V1).addSingle("V2", d.V2);
    o.addSingle("V3", d.V3).addSingle("V4", d.V4).addSingle("V5", d.V5).add("V6", d.V6).addSingle("V7", d.V7);
    o.addSingle("V8", d.V8).add("V9", d.V9).addSingle("V10", d.V10).add("SAND", d.SAND).add("WSAND", d.WSAND);
    o.add("VGRAVEL", d.VGRAVEL).add("WGRAVEL", d.WGRAVEL).add("M", d.M).add("VYA", d.VYA);
    return o.str();
}

std::string line(std::string_view caption, std::string_view value)
{
    std::string out = "  ";
    out.append(caption).append(" ").append(value).append("\n");
    return out;
}

} // namespace

std::string jsonReport(const mix::CalcResult& result)
{
    const auto& f = result.numbers.final;
    JsonObject final;
    final.add("cement", f.cement).add("water", f.water).add("sand", f.sand).add("stone", f.stone);
    final.add("admixture", f.admixture);
    JsonObject texts;
    for (const auto& [control, text] : result.texts.items())
        texts.addText(control, text);

    std::string design = designJson(result.numbers.design);
    design.pop_back(); // the stored fields, then the derived ones, in one object
    return design + ",\"final\":" + final.str() + ",\"texts\":" + texts.str() + "}\n";
}

std::string jsonError(const mix::CalcError& error)
{
    JsonObject o;
    o.addText("error", mix::errorKindName(error.kind)).addText("focus", error.focus).addText("message", error.message);
    return o.str() + "\n";
}

std::string textReport(const mix::CalcResult& result)
{
    using namespace mix::text;
    const auto& t = result.texts;
    std::string out = std::string(kFinalFrameCaption) + "\n";
    out += line(kFinalCement, t.at("Label15(0)"));
    out += line(kFinalWater, t.at("Label16(0)"));
    out += line(kFinalSand, t.at("Label17(0)"));
    out += line(kFinalStone, t.at("Label18(0)"));
    out += line(kFinalAdmixture, t.at("Label19(0)"));
    out.append("\n").append(kBagFrameCaption).append("\n");
    out += line(kBagCement, t.at("Label34(0)"));
    out += line(kBagWater, t.at("Label35(0)"));
    out += line(kBagSand, t.at("Label36(0)"));
    out += line(kBagStone, t.at("Label37(0)"));
    out += line(kBagAdmixture, t.at("Label38(0)"));
    out.append("\n").append(t.at("Text6")).append("\n");
    return out;
}

} // namespace cli
