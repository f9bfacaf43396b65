#include "engine/design.h"

#include "engine/calculate.h"
#include "engine/texts/pourtexts.h"

#include <algorithm>
#include <utility>

namespace mix {
namespace {

void planThePour(Design& d, DesignTexts texts)
{
    EntryReading reading = readEntries(d.entries.pour);
    d.entryErrors = std::move(reading.errors);
    d.prices = reading.prices;
    if (!d.result)
        return;
    const FinalMix& mix = d.result->numbers.final;
    if (reading.batchSettings)
        d.batch = mixerBatch(mix, *reading.batchSettings);
    // A cost of the good prices alone would pass for the whole while one is being mended.
    const bool pricesGood =
        std::none_of(d.entryErrors.begin(), d.entryErrors.end(), [](const EntryError& e) { return isPrice(e.entry); });
    if (reading.settings) {
        auto planned = planPour(mix, *reading.settings);
        if (const auto* error = std::get_if<EntryError>(&planned)) {
            d.entryErrors.push_back(*error);
            if (error->entry != Entry::Volume)
                d.batch.reset();
        } else {
            d.plan = std::get<PourPlan>(std::move(planned));
        }
    }
    if (d.plan && pricesGood && d.prices.any()) {
        auto costed = costPour(*d.plan, d.prices);
        if (const auto* error = std::get_if<EntryError>(&costed))
            d.entryErrors.push_back(*error);
        else
            d.cost = std::get<PourCost>(costed);
    }
    if (texts == DesignTexts::NumbersOnly)
        return;
    if (d.plan)
        d.pourTexts = pourPlanTexts(*d.plan);
    else if (d.batch)
        d.pourTexts = pourBatchTexts(*d.batch, mix.admixture > 0);
    if (!d.plan)
        return;
    d.orderText = pourOrderText(*d.plan, d.pourTexts);
    if (d.cost)
        d.costText = pourCostText(*d.plan, d.prices, *d.cost, d.pourTexts);
}

} // namespace

Design designOf(const Entries& entries, DesignTexts texts)
{
    Design d;
    d.entries = entries;
    if (texts == DesignTexts::All) {
        auto outcome = calculate(entries.design);
        if (auto* error = std::get_if<CalcError>(&outcome))
            d.refusal = std::move(*error);
        else
            d.result = std::get<CalcResult>(std::move(outcome));
    } else {
        auto outcome = computeDesign(entries.design);
        if (auto* error = std::get_if<CalcError>(&outcome))
            d.refusal = std::move(*error);
        else
            d.result = CalcResult{std::get<DesignNumbers>(std::move(outcome)), {}, entries.design};
    }
    if (d.result) {
        d.durability = judgeDurability(entries.exposure, entries.design, d.result->numbers);
        if (d.durability && texts == DesignTexts::All)
            d.durabilityText = durabilityText(*d.durability, entries.design);
    }
    planThePour(d, texts);
    return d;
}

Design withPour(Design design, const EntryTexts& pour)
{
    Design d;
    d.entries = {design.entries.design, pour, design.entries.exposure};
    d.result = std::move(design.result);
    d.refusal = std::move(design.refusal);
    d.durability = std::move(design.durability);
    d.durabilityText = std::move(design.durabilityText);
    planThePour(d, d.result && d.result->texts.size() == 0 ? DesignTexts::NumbersOnly : DesignTexts::All);
    return d;
}

} // namespace mix
