#include "web/webpour.h"

#include "engine/texts/pourtexts.h"
#include "engine/texts/pourwords.h"
#include "format/designjson.h"
#include "web/webapi.h"

#include <optional>
#include <utility>

namespace web {
namespace {

std::string_view fieldId(mix::PourField field)
{
    switch (field) {
    case mix::PourField::Volume:
        return "volumeField";
    case mix::PourField::Waste:
        return "wasteField";
    case mix::PourField::BagKg:
        return "bagKgField";
    case mix::PourField::Basket:
        return "basketField";
    case mix::PourField::Pail:
        return "pailField";
    case mix::PourField::BagsPerBatch:
        return "bagsPerBatchField";
    }
    return "";
}

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

// The planner tab's label names against the keys of the command line's "pour" object.
constexpr std::pair<std::string_view, std::string_view> kFigureKeys[] = {
    {"cementTotal", "cement_kg"},
    {"cementBags", "cement_bags"},
    {"sandTotal", "sand_kg"},
    {"sandVolume", "sand_m3"},
    {"sandOrder", "sand_order_m3"},
    {"sandBaskets", "sand_baskets"},
    {"stoneTotal", "stone_kg"},
    {"stoneVolume", "stone_m3"},
    {"stoneOrder", "stone_order_m3"},
    {"stoneBaskets", "stone_baskets"},
    {"waterTotal", "water_l"},
    {"waterPails", "water_pails"},
    {"admixtureTotal", "admixture_l"},
    {"batchesTotal", "batches"},
    {"cementPerBatch", "per_batch.cement_kg"},
    {"waterPerBatch", "per_batch.water_l"},
    {"waterPerBatchPails", "per_batch.water_pails"},
    {"sandPerBatch", "per_batch.sand_m3"},
    {"sandPerBatchBaskets", "per_batch.sand_baskets"},
    {"stonePerBatch", "per_batch.stone_m3"},
    {"stonePerBatchBaskets", "per_batch.stone_baskets"},
    {"admixturePerBatch", "per_batch.admixture_cc"},
};

std::string errorsJson(const std::vector<mix::PourFieldError>& errors)
{
    std::string out = "[";
    for (const auto& error : errors) {
        if (out.size() > 1)
            out += ',';
        format::JsonWriter(out).begin().text("field", fieldId(error.field)).text("message", error.message).end();
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

mix::PourReading readBoundedPourEntries(const mix::PourEntries& entries)
{
    const std::pair<mix::PourField, const std::string*> fields[] = {
        {mix::PourField::Volume, &entries.volume}, {mix::PourField::Waste, &entries.waste},
        {mix::PourField::BagKg, &entries.bagKg},   {mix::PourField::Basket, &entries.basket},
        {mix::PourField::Pail, &entries.pail},     {mix::PourField::BagsPerBatch, &entries.bagsPerBatch}};
    std::vector<mix::PourFieldError> tooLong;
    for (const auto& [field, text] : fields)
        if (text->size() > kMaxFieldBytes)
            tooLong.push_back({field, std::string(mix::pourwords::kTooLarge)});
    if (tooLong.empty())
        return mix::readPourEntries(entries);
    return {std::nullopt, std::move(tooLong)};
}

std::optional<mix::PourPlan> appendPourJson(std::string& out, const mix::FinalMix* mix, const mix::PourEntries& entries)
{
    mix::PourReading reading = readBoundedPourEntries(entries);
    std::optional<mix::PourPlan> plan;
    if (mix && reading.settings) {
        auto planned = mix::planPour(*mix, *reading.settings);
        if (auto* error = std::get_if<mix::PourFieldError>(&planned))
            reading.errors.push_back(std::move(*error));
        else
            plan = std::get<mix::PourPlan>(std::move(planned));
    }
    out += ',';
    format::JsonWriter o(out);
    o.raw("pourErrors", errorsJson(reading.errors));
    if (!plan)
        return plan;
    format::appendPour(o, *plan);
    const mix::ResultTexts texts = mix::pourPlanTexts(*plan);
    o.begin("pourTexts");
    for (const auto& [name, key] : kFigureKeys)
        o.text(key, texts.at(name));
    o.end();
    return plan;
}

} // namespace web
