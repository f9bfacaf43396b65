#include "engine/texts/mixercard.h"

#include "engine/calculate.h"
#include "engine/numbers.h"
#include "engine/pourplan.h"
#include "engine/texts/cardwords.h"
#include "engine/texts/pourwords.h"
#include "engine/texts/resultwords.h"

namespace mix {
namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string joined(std::initializer_list<std::string_view> parts)
{
    std::string out;
    for (auto p : parts)
        out += p;
    return out;
}

// What one batch holds, whichever frame it comes from.
struct Batch {
    int bags = 1;
    double cementKg = 0;
    double water = 0, pails = 0;
    double sand = 0, sandBaskets = 0;
    double stone = 0, stoneBaskets = 0;
    double admixture = 0;
    double bagKg = 0, basketM3 = 0, pailLitres = 0;
};

Batch batchOf(const CalcResult& r, const PourPlan* plan)
{
    if (plan) {
        const PourBatch& b = plan->perBatch;
        const PourSettings& s = plan->settings;
        return {s.bagsPerBatch, b.cementKg,     b.water,     b.pails, b.sand,     b.sandBaskets,
                b.stone,        b.stoneBaskets, b.admixture, s.bagKg, s.basketM3, s.pailLitres};
    }
    // The per-bag frame's own bag, basket and pail, as its note prints them.
    const PerBag& b = r.numbers.perBag;
    return {1, 50, b.water, b.pails, b.sand, b.sandBaskets, b.stone, b.stoneBaskets, b.admixture, 50, 0.019, 27};
}

} // namespace

MixerCardText mixerCardText(const CalcResult& r, const PourPlan* plan, std::string_view date)
{
    using namespace resultwords;
    const Batch b = batchOf(r, plan);
    const auto num = [](double x) { return formatDouble(x); };
    MixerCardText card;
    card.title = joined({cardtext::kTitlePrefix, formatInt(b.bags), cardtext::kBags});

    // Stone and sand first, so the cement never cakes on a dry drum; water last, the admixture
    // with it.
    card.rows = {
        {CardMaterial::Stone, std::string(pourwords::kStone), b.stoneBaskets, num(b.stoneBaskets),
         std::string(trimmed(kBasket)), joined({num(b.stone), pourwords::kUnitM3})},
        {CardMaterial::Sand, std::string(pourwords::kSand), b.sandBaskets, num(b.sandBaskets),
         std::string(trimmed(kBasket)), joined({num(b.sand), pourwords::kUnitM3})},
        {CardMaterial::Cement, std::string(pourwords::kCement), double(b.bags), formatInt(b.bags),
         std::string(trimmed(pourwords::kUnitBags)), joined({num(b.cementKg), kUnitKg})},
        {CardMaterial::Water, std::string(pourwords::kWater), b.pails, num(b.pails), std::string(trimmed(kPail)),
         joined({num(b.water), kUnitLitre})},
    };
    if (r.numbers.final.admixture > 0)
        card.rows.push_back({CardMaterial::Admixture,
                             std::string(pourwords::kAdmixture),
                             1,
                             // A dose is measured in whole cc: two decimals would be a precision no cup has.
                             num(roundHalfEven(b.admixture)),
                             std::string(trimmed(kUnitCc)),
                             {}});

    const auto& t = r.texts;
    card.foot = {
        joined({cardtext::kStrength, t.at("Label7"), cardtext::kGap, cardtext::kSlump, t.at("Label12"), cardtext::kGap,
                trimmed(t.at("Label79")), cardtext::kGap, trimmed(t.at("Label80"))}),
        joined({cardtext::kOneBasket, num(b.basketM3), pourwords::kUnitM3, cardtext::kGap, cardtext::kOnePail,
                num(b.pailLitres), kUnitLitre, cardtext::kGap, cardtext::kOneBag, num(b.bagKg), kUnitKg}),
        joined({cardtext::kDate, date}),
    };
    return card;
}

} // namespace mix
