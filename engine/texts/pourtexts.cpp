#include "engine/texts/pourtexts.h"

#include "engine/numbers.h"
#include "engine/texts/captionwords.h"
#include "engine/texts/pourwords.h"
#include "engine/texts/resultwords.h"

namespace mix {
namespace {
constexpr int kCubicMetreLitres = 1000;

std::string num(double x) { return formatDouble(x); }
} // namespace

namespace {

// One batch's figures, the same in a plan and without one.
void setBatchTexts(ResultTexts& t, const PourBatch& b, bool admixtureUsed)
{
    using namespace resultwords;
    using namespace pourwords;
    t.set("cementPerBatch", {num(b.cementKg), kUnitKg});
    t.set("sandPerBatch", {num(b.sand), kUnitM3});
    t.set("sandPerBatchBaskets", {num(b.sandBaskets), kBasket});
    t.set("stonePerBatch", {num(b.stone), kUnitM3});
    t.set("stonePerBatchBaskets", {num(b.stoneBaskets), kBasket});
    t.set("waterPerBatch", {num(b.water), kUnitLitre});
    t.set("waterPerBatchPails", {num(b.pails), kPail});
    if (admixtureUsed)
        t.set("admixturePerBatch", {num(b.admixture), kUnitCc});
    else
        t.set("admixturePerBatch", {});
}

} // namespace

ResultTexts pourPlanTexts(const PourPlan& p)
{
    using namespace resultwords;
    using namespace pourwords;
    ResultTexts t;
    t.reserve(24, 640);
    t.set("cementTotal", {num(p.cementKg), kUnitKg});
    t.set("cementBags", {num(p.cementBags), kUnitBags});

    t.set("sandTotal", {num(p.sandKg), kUnitKg});
    t.set("sandVolume", {num(p.sandM3), kUnitM3});
    t.set("sandOrder", {num(p.sandOrderM3), kUnitM3});
    t.set("sandBaskets", {num(p.sandBaskets), kBasket});

    t.set("stoneTotal", {num(p.stoneKg), kUnitKg});
    t.set("stoneVolume", {num(p.stoneM3), kUnitM3});
    t.set("stoneOrder", {num(p.stoneOrderM3), kUnitM3});
    t.set("stoneBaskets", {num(p.stoneBaskets), kBasket});

    t.set("waterTotal", {num(p.water), kUnitLitre});
    t.set("waterPails", {num(p.waterPails), kPail});

    if (p.admixtureUsed)
        t.set("admixtureTotal", {num(p.admixture), kUnitLitre});
    else
        t.set("admixtureTotal", {captionOf("Check4")});
    t.set("batchesTotal", {num(p.batches), kUnitTimes});
    setBatchTexts(t, p.perBatch, p.admixtureUsed);
    return t;
}

ResultTexts pourBatchTexts(const PourBatch& batch, bool admixtureUsed)
{
    ResultTexts t;
    t.reserve(8, 240);
    setBatchTexts(t, batch, admixtureUsed);
    return t;
}

PourOrderText pourOrderText(const PourPlan& p, const ResultTexts& t)
{
    using namespace pourwords;
    const std::string is = " = ";
    const std::string order = "  " + std::string(kOrderHeader) + " ";
    const std::string about(resultwords::kAbout);
    const auto f = [&t](std::string_view name) { return std::string(t.at(name)); };
    const auto line = [](std::string_view name, std::initializer_list<std::string> parts) {
        std::string out(name);
        for (const auto& part : parts)
            out += part;
        return out;
    };

    PourOrderText o;
    o.title = kSheetTitle;
    const PourSettings& s = p.settings;
    o.entries = {line(kVolumePrompt, {is, num(s.volume)}),   line(kWastePrompt, {is, num(s.wastePercent)}),
                 line(kBagPrompt, {is, num(s.bagKg)}),       line(kBasketPrompt, {is, num(s.basketM3)}),
                 line(kPailPrompt, {is, num(s.pailLitres)}), line(kBagsPerBatchPrompt, {is, num(s.bagsPerBatch)})};

    o.totalsHeading = "*** " + std::string(kTotalHeader) + " ***";
    o.totals = {
        line(kCement, {is, f("cementTotal"), order, f("cementBags")}),
        line(kSand, {is, f("sandTotal"), "  ", f("sandVolume"), order, f("sandOrder"), about, f("sandBaskets")}),
        line(kStone, {is, f("stoneTotal"), "  ", f("stoneVolume"), order, f("stoneOrder"), about, f("stoneBaskets")}),
        line(kWater, {is, f("waterTotal"), about, f("waterPails")}),
        p.admixtureUsed ? line(kAdmixture, {is, f("admixtureTotal")}) : f("admixtureTotal"),
        line(kBatchesRow, {is, f("batchesTotal")})};

    o.batchHeading = "*** " + std::string(kPerBatchHeader) + " ***";
    o.batch = {line(kCement, {is, f("cementPerBatch")}),
               line(kWater, {is, f("waterPerBatch"), about, f("waterPerBatchPails")}),
               line(kSand, {is, f("sandPerBatch"), about, f("sandPerBatchBaskets")}),
               line(kStone, {is, f("stonePerBatch"), about, f("stonePerBatchBaskets")})};
    if (p.admixtureUsed)
        o.batch.push_back(line(kAdmixture, {is, f("admixturePerBatch")}));
    return o;
}

std::vector<VolumePart> volumeParts(const MixDesign& d)
{
    const std::pair<Material, int> volumes[] = {
        {Material::Cement, d.VOLUM}, {Material::Water, d.W}, {Material::Sand, d.SAND}, {Material::Stone, d.VGRAVEL}};
    const std::string_view names[] = {pourwords::kCement, pourwords::kWater, pourwords::kSand, pourwords::kStone,
                                      pourwords::kAir};
    std::vector<VolumePart> parts;
    int rest = kCubicMetreLitres;
    for (const auto& [material, litres] : volumes) {
        parts.push_back({material, names[static_cast<int>(material)], litres, {}});
        rest -= litres;
    }
    if (rest > 0)
        parts.push_back({Material::Air, pourwords::kAir, rest, {}});
    for (auto& part : parts)
        part.litresText = formatInt(part.litres) + std::string(resultwords::kUnitLitre);
    return parts;
}

} // namespace mix
