#include "cli/json.h"

#include "cli/inputnames.h"
#include "cli/jsonwriter.h"
#include "engine/version.h"

namespace cli {
namespace {

using enum Precision;

std::string inputsJson(const mix::MixInputs& in)
{
    JsonObject o;
    o.text("strength", in.strengthText).text("specimen", specimenName(in)).text("slump", slumpName(in));
    o.text("stone", stoneName(in)).text("admixture", admixtureName(in)).text("dose", in.doseText);
    o.text("moisture", in.moistureText);
    return o.str();
}

// The stored fields in the design's own names and order; floats at their stored precision.
JsonObject& addSteps(JsonObject& o, const mix::MixDesign& d)
{
    o.number("F", d.F).number("W", d.W).number("P", d.P).number("mcement", d.mcement, Single);
    o.number("Weight", d.Weight).number("VOLUM", d.VOLUM).number("WA", d.WA, Single);
    o.number("V1", d.V1, Single).number("V2", d.V2, Single).number("V3", d.V3, Single);
    o.number("V4", d.V4, Single).number("V5", d.V5, Single).number("V6", d.V6).number("V7", d.V7, Single);
    o.number("V8", d.V8, Single).number("V9", d.V9).number("V10", d.V10, Single);
    o.number("SAND", d.SAND).number("WSAND", d.WSAND).number("VGRAVEL", d.VGRAVEL).number("WGRAVEL", d.WGRAVEL);
    o.number("M", d.M).number("VYA", d.VYA);
    return o;
}

} // namespace

std::string jsonDesign(const mix::MixInputs& inputs, const mix::CalcResult& result)
{
    const auto& n = result.numbers;
    const auto& d = n.design;

    JsonObject ssd;
    ssd.number("cement", d.Weight).number("water", d.W).number("sand", d.WSAND).number("stone", d.WGRAVEL);
    ssd.number("admixture", d.VYA);

    JsonObject final;
    final.number("cement", n.final.cement).number("water", n.final.water).number("sand", n.final.sand);
    final.number("stone", n.final.stone).number("admixture", n.final.admixture);

    const auto& b = n.perBag;
    JsonObject perBag;
    perBag.number("water_l", b.water).number("water_pails", b.pails).number("sand_m3", b.sand);
    perBag.number("sand_baskets", b.sandBaskets).number("stone_m3", b.stone).number("stone_baskets", b.stoneBaskets);
    perBag.number("admixture_cc", b.admixture).number("concrete_m3", b.yield);

    JsonObject steps;
    JsonObject texts;
    for (const auto& [control, text] : result.texts.items())
        texts.text(control, text);

    JsonObject o;
    o.number("schema", kJsonSchema).text("version", mix::kVersion).raw("inputs", inputsJson(inputs));
    o.raw("ssd", ssd.str()).raw("final", final.str()).raw("perBag", perBag.str());
    o.raw("steps", addSteps(steps, d).str()).raw("texts", texts.str());
    // Scripts written before the schema read the stored fields at the top level.
    addSteps(o, d);
    return o.str() + "\n";
}

std::string jsonRefusal(const mix::CalcError& error)
{
    JsonObject o;
    o.number("schema", kJsonSchema).text("error", mix::errorKindName(error.kind)).text("focus", error.focus);
    o.text("message", error.message);
    return o.str() + "\n";
}

std::string jsonMalformedRow(long line, std::string_view message)
{
    JsonObject o;
    o.number("schema", kJsonSchema).text("error", "malformed_row").number("line", static_cast<double>(line));
    o.text("message", message);
    return o.str() + "\n";
}

} // namespace cli
