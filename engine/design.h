#pragma once

#include "engine/calcerror.h"
#include "engine/calcresult.h"
#include "engine/durability.h"
#include "engine/entries.h"
#include "engine/pourcost.h"
#include "engine/pourplan.h"
#include "engine/texts/durabilitytexts.h"
#include "engine/texts/pourtexts.h"
#include "engine/texts/resulttexts.h"

#include <optional>
#include <vector>

namespace mix {

// One finished design, computed once from one record of entries; every output reads it and
// works nothing out again. Either `result` or `refusal` is set; the pour half is planned only
// for an accepted design with good entries and a volume.
struct Design {
    Entries entries;
    std::optional<CalcResult> result;
    std::optional<CalcError> refusal;
    std::vector<EntryError> entryErrors; // every refused pour entry and price, in table order
    PourPrices prices;                   // the good prices
    std::optional<PourPlan> plan;
    // One mixer batch at the entered measures, whenever they are good: it needs no volume.
    std::optional<PourBatch> batch;
    std::optional<PourCost> cost; // with a plan, at least one price and no bad one
    // The planner's figures as shown: one batch's whenever there is one, the whole pour's too
    // with a plan.
    ResultTexts pourTexts;
    PourOrderText orderText; // the material order in lines; empty without a plan
    PourCostText costText;   // empty without a cost
    // The accepted design against its exposure class, when one is chosen, and the verdict's
    // lines (with the texts only).
    std::optional<Durability> durability;
    DurabilityText durabilityText;

    const PourPlan* pour() const { return plan ? &*plan : nullptr; }
    // The prices behind the cost, for the outputs that print its lines; null without a cost.
    const PourPrices* pricesShown() const { return cost ? &prices : nullptr; }
    const MixInputs& inputs() const { return entries.design; }
};

// The batch CSV needs the numbers alone; every other output needs the texts too.
enum class DesignTexts { All, NumbersOnly };

Design designOf(const Entries& entries, DesignTexts texts = DesignTexts::All);

// The pour half again on an accepted design: the planner follows each keystroke from the
// last accepted Calculate, whatever the design fields show since.
Design withPour(Design design, const EntryTexts& pour);

} // namespace mix
