#include "format/designjson.h"

#include "engine/version.h"
#include "format/inputnames.h"
#include "format/jsonwriter.h"

namespace format {
namespace {

using enum Precision;

} // namespace

void appendSteps(JsonWriter& o, const mix::MixDesign& d)
{
    o.number("F", d.F).number("W", d.W).number("P", d.P).number("mcement", d.mcement, Single);
    o.number("Weight", d.Weight).number("VOLUM", d.VOLUM).number("WA", d.WA, Single);
    o.number("V1", d.V1, Single).number("V2", d.V2, Single).number("V3", d.V3, Single);
    o.number("V4", d.V4, Single).number("V5", d.V5, Single).number("V6", d.V6).number("V7", d.V7, Single);
    o.number("V8", d.V8, Single).number("V9", d.V9).number("V10", d.V10, Single);
    o.number("SAND", d.SAND).number("WSAND", d.WSAND).number("VGRAVEL", d.VGRAVEL).number("WGRAVEL", d.WGRAVEL);
    o.number("M", d.M).number("VYA", d.VYA);
}

namespace {

// What the order costs, in baht: a part without its price is left out, not written as zero.
void cost(JsonWriter& o, const mix::PourCost& c)
{
    o.begin("cost");
    const std::pair<const char*, const std::optional<double>*> figures[] = {
        {"cement", &c.cement}, {"sand", &c.sand},    {"stone", &c.stone},       {"admixture", &c.admixture},
        {"total", &c.total},   {"per_m3", &c.perM3}, {"readymix", &c.readymix}, {"difference", &c.difference}};
    for (const auto& [key, figure] : figures)
        if (*figure)
            o.number(key, **figure);
    if (!c.unpriced.empty()) {
        // The materials the order holds without a price, by the key their cost would have.
        std::string names = "[";
        for (const mix::Entry price : c.unpriced) {
            if (names.size() > 1)
                names += ',';
            std::string_view key = mix::entryRow(price).key;
            key.remove_prefix(key.find('_') + 1);
            appendJsonString(names, key);
        }
        o.raw("unpriced", names + "]");
    }
    o.end();
}

} // namespace

void appendPour(JsonWriter& o, const mix::Design& design)
{
    const mix::PourPlan& p = *design.plan;
    const mix::PourSettings& s = p.settings;
    const mix::PourBatch& b = p.perBatch;
    o.begin("pour").number("volume_m3", s.volume).number("waste_percent", s.wastePercent).number("bag_kg", s.bagKg);
    o.number("basket_m3", s.basketM3).number("pail_l", s.pailLitres).number("bags_per_batch", s.bagsPerBatch);
    o.number("cement_kg", p.cementKg).number("cement_bags", p.cementBags);
    o.number("sand_kg", p.sandKg).number("sand_m3", p.sandM3).number("sand_order_m3", p.sandOrderM3);
    o.number("sand_baskets", p.sandBaskets);
    o.number("stone_kg", p.stoneKg).number("stone_m3", p.stoneM3).number("stone_order_m3", p.stoneOrderM3);
    o.number("stone_baskets", p.stoneBaskets);
    o.number("water_l", p.water).number("water_pails", p.waterPails).number("admixture_l", p.admixture);
    o.number("batches", p.batches);
    o.begin("per_batch").number("cement_kg", b.cementKg).number("water_l", b.water).number("water_pails", b.pails);
    o.number("sand_m3", b.sand).number("sand_baskets", b.sandBaskets).number("stone_m3", b.stone);
    o.number("stone_baskets", b.stoneBaskets).number("admixture_cc", b.admixture).end();
    if (design.cost)
        cost(o, *design.cost);
    o.end();
}

void appendDurability(JsonWriter& o, const mix::Durability& d)
{
    const mix::ExposureRule& rule = *mix::exposureRule(d.exposure);
    o.begin("durability").text("exposure", rule.code).text("standard", mix::standardName(rule.standard));
    o.raw("max_wc", rule.maxWc ? numberText(*rule.maxWc, Single) : "null");
    o.raw("min_cement_kg", rule.minCementKg ? numberText(*rule.minCementKg) : "null");
    o.number("min_strength_ksc", d.minStrength).raw("meets", d.meets() ? "true" : "false");
    std::string fails = "[";
    for (const mix::DurabilityCheck check : d.fails) {
        if (fails.size() > 1)
            fails += ',';
        appendJsonString(fails, mix::checkName(check));
    }
    o.raw("fails", fails + "]");
    o.raw("least_strength", d.leastStrength ? numberText(*d.leastStrength) : "null");
    o.end();
}

void appendJsonDesign(std::string& out, const mix::Design& design)
{
    const mix::MixInputs& in = design.inputs();
    const mix::CalcResult& result = *design.result;
    const auto& n = result.numbers;
    const auto& d = n.design;
    const auto& f = n.final;
    const auto& b = n.perBag;
    JsonWriter o(out);
    o.begin().number("schema", kJsonSchema).text("version", mix::kVersion);

    o.begin("inputs").text("strength", in.strengthText).text("specimen", specimenName(in));
    o.text("slump", slumpName(in)).text("stone", stoneName(in)).text("admixture", admixtureName(in));
    o.text("dose", in.doseText).text("moisture", in.moistureText).end();

    o.begin("ssd").number("cement", d.Weight).number("water", d.W).number("sand", d.WSAND);
    o.number("stone", d.WGRAVEL).number("admixture", d.VYA).end();

    o.begin("final").number("cement", f.cement).number("water", f.water).number("sand", f.sand);
    o.number("stone", f.stone).number("admixture", f.admixture).end();

    o.begin("perBag").number("water_l", b.water).number("water_pails", b.pails).number("sand_m3", b.sand);
    o.number("sand_baskets", b.sandBaskets).number("stone_m3", b.stone).number("stone_baskets", b.stoneBaskets);
    o.number("admixture_cc", b.admixture).number("concrete_m3", b.yield).end();
    if (design.plan)
        appendPour(o, design);
    if (design.durability)
        appendDurability(o, *design.durability);

    o.begin("steps");
    appendSteps(o, d);
    o.end().begin("texts");
    for (const auto& [control, text] : result.texts.items())
        o.text(control, text);
    o.end();
    // Scripts written before the schema read the stored fields at the top level.
    appendSteps(o, d);
    o.end();
    out += '\n';
}

std::string jsonDesign(const mix::Design& design)
{
    std::string out;
    appendJsonDesign(out, design);
    return out;
}

std::string jsonRefusal(const mix::CalcError& error)
{
    std::string out;
    JsonWriter(out)
        .begin()
        .number("schema", kJsonSchema)
        .text("error", mix::errorKindName(error.kind))
        .text("focus", error.focus)
        .text("message", error.message)
        .end();
    return out + "\n";
}

std::string jsonMalformedRow(long line, std::string_view message)
{
    std::string out;
    JsonWriter(out)
        .begin()
        .number("schema", kJsonSchema)
        .text("error", "malformed_row")
        .number("line", static_cast<double>(line))
        .text("message", message)
        .end();
    return out + "\n";
}

} // namespace format
