#include "engine/texts/mixercard.h"

#include "engine/design.h"
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

} // namespace

MixerCardText mixerCardText(const Design& design, std::string_view date)
{
    using namespace resultwords;
    const CalcResult& r = *design.result;
    // Without a pour the batch is the per-bag one, which is a pour's batch at the usual measures.
    const PourSettings usual;
    const PourSettings& s = design.plan ? design.plan->settings : usual;
    const PourBatch& b = design.plan ? design.plan->perBatch : r.numbers.perBag;
    const auto num = [](double x) { return formatDouble(x); };
    MixerCardText card;
    card.title = joined({cardtext::kTitlePrefix, formatInt(s.bagsPerBatch), cardtext::kBags});

    // Stone and sand first, so the cement never cakes on a dry drum; water last, the admixture
    // with it.
    card.rows = {
        {CardMaterial::Stone, std::string(pourwords::kStone), b.stoneBaskets, num(b.stoneBaskets),
         std::string(trimmed(kBasket)), joined({num(b.stone), pourwords::kUnitM3})},
        {CardMaterial::Sand, std::string(pourwords::kSand), b.sandBaskets, num(b.sandBaskets),
         std::string(trimmed(kBasket)), joined({num(b.sand), pourwords::kUnitM3})},
        {CardMaterial::Cement, std::string(pourwords::kCement), double(s.bagsPerBatch), formatInt(s.bagsPerBatch),
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
        joined({cardtext::kStrength, t.at("Label7"), t.at("specimenNote"), cardtext::kGap, cardtext::kSlump,
                t.at("Label12"), cardtext::kGap, trimmed(t.at("Label79")), cardtext::kGap, trimmed(t.at("Label80"))}),
        joined({cardtext::kOneBasket, num(s.basketM3), pourwords::kUnitM3, cardtext::kGap, cardtext::kOnePail,
                num(s.pailLitres), kUnitLitre, cardtext::kGap, cardtext::kOneBag, num(s.bagKg), kUnitKg}),
        joined({cardtext::kDate, date}),
    };
    return card;
}

} // namespace mix
