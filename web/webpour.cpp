#include "web/webpour.h"

#include "engine/texts/mixercard.h"
#include "engine/texts/pourtexts.h"
#include "format/designjson.h"

namespace web {
namespace {

std::string_view materialName(mix::Material material)
{
    switch (material) {
    case mix::Material::Cement:
        return "cement";
    case mix::Material::Water:
        return "water";
    case mix::Material::Sand:
        return "sand";
    case mix::Material::Stone:
        return "stone";
    case mix::Material::Air:
        return "air";
    }
    return "";
}

std::string_view cardMaterialName(mix::CardMaterial material)
{
    switch (material) {
    case mix::CardMaterial::Cement:
        return "cement";
    case mix::CardMaterial::Sand:
        return "sand";
    case mix::CardMaterial::Stone:
        return "stone";
    case mix::CardMaterial::Water:
        return "water";
    case mix::CardMaterial::Admixture:
        return "admixture";
    }
    return "";
}

std::string linesJson(const std::vector<std::string>& lines)
{
    std::string out = "[";
    for (const auto& line : lines) {
        if (out.size() > 1)
            out += ',';
        format::appendJsonString(out, line);
    }
    return out + ']';
}

std::string errorsJson(const std::vector<mix::EntryError>& errors)
{
    std::string out = "[";
    for (const auto& error : errors) {
        if (out.size() > 1)
            out += ',';
        format::JsonWriter(out)
            .begin()
            .text("field", mix::entryRow(error.entry).elementId)
            .text("message", mix::entryErrorMessage(error))
            .end();
    }
    return out + ']';
}

} // namespace

std::string volumePartsJson(const mix::MixDesign& design)
{
    std::string out = "[";
    for (const auto& part : mix::volumeParts(design)) {
        if (out.size() > 1)
            out += ',';
        format::JsonWriter(out)
            .begin()
            .text("material", materialName(part.material))
            .text("name", part.name)
            .number("litres", part.litres)
            .text("text", part.litresText)
            .end();
    }
    return out + ']';
}

void appendPourMembers(format::JsonWriter& o, const mix::Design& design)
{
    o.raw("pourErrors", errorsJson(design.entryErrors));
    if (!design.plan)
        return;
    format::appendPour(o, design);
    o.begin("pourTexts");
    for (const auto& [name, text] : design.pourTexts.items())
        o.text(name, text);
    o.end();
}

void appendCostText(format::JsonWriter& o, const mix::Design& design)
{
    if (!design.cost)
        return;
    const mix::PourCostText& t = design.costText;
    o.begin("costText").text("heading", t.heading).raw("lines", linesJson(t.lines)).text("note", t.note);
    o.raw("summary", linesJson(t.summary)).end();
}

void appendCard(format::JsonWriter& o, const mix::Design& design, std::string_view date)
{
    if (!design.result)
        return;
    const mix::MixerCardText card = mix::mixerCardText(design, date);
    std::string rows = "[";
    for (const auto& row : card.rows) {
        if (rows.size() > 1)
            rows += ',';
        format::JsonWriter(rows)
            .begin()
            .text("material", cardMaterialName(row.material))
            .text("name", row.name)
            .number("measures", row.measures)
            .text("number", row.number)
            .text("unit", row.unit)
            .text("amount", row.amount)
            .end();
    }
    rows += ']';
    o.begin("card").text("title", card.title).raw("rows", rows).raw("foot", linesJson(card.foot)).end();
}

} // namespace web
