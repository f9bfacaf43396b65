#pragma once

#include "engine/entries.h"
#include "engine/mixdesign.h"

#include <variant>

namespace mix {

// The order for a whole pour, waste included, each value rounded as shown: kg, bags and
// batches whole, m³ to 2 decimals, litres, baskets and pails to 1 decimal.
struct PourPlan {
    PourSettings settings;
    double cementKg = 0;
    double cementBags = 0;
    double sandKg = 0;
    double sandM3 = 0;
    double sandOrderM3 = 0; // up to the next half cubic metre
    double sandBaskets = 0;
    double stoneKg = 0;
    double stoneM3 = 0;
    double stoneOrderM3 = 0;
    double stoneBaskets = 0;
    double water = 0; // litres
    double waterPails = 0;
    bool admixtureUsed = false;
    double admixture = 0; // litres
    double batches = 0;
    PourBatch perBatch;
};

// The plan from an accepted design's final mix; refused only when a figure grows beyond
// what a number can hold, naming the entry that made it so.
std::variant<PourPlan, EntryError> planPour(const FinalMix& mix, const PourSettings& settings);

} // namespace mix
