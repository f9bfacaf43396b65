#include "web/webpour.h"

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

} // namespace web
