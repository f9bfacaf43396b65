#pragma once

#include "engine/siteconstants.h"

namespace mix {

struct FinalMix;

// What the site measures with and how much it pours; the defaults are the site's usual bag,
// basket and pail, which the per-bag batch uses.
struct PourSettings {
    double volume = 0; // m³ of concrete to pour
    double wastePercent = site::kWastePercent;
    double bagKg = site::kBagKg;
    double basketM3 = site::kBasketM3;
    double pailLitres = site::kPailLitres;
    int bagsPerBatch = 1;

    bool operator==(const PourSettings&) const = default;
};

// One mixer batch of `bagsPerBatch` bags, scaled from the final mix, each value rounded as shown.
struct PourBatch {
    double cementKg = 0;
    double water = 0; // litres
    double pails = 0;
    double sand = 0; // m³
    double sandBaskets = 0;
    double stone = 0; // m³
    double stoneBaskets = 0;
    double admixture = 0; // cc
};

// The one batch function: the per-bag batch is this at the default settings.
PourBatch mixerBatch(const FinalMix& mix, const PourSettings& settings);

// The multiplier from one cubic metre to one batch, stored as a single-precision value as the
// design stores `mcement`, so both read the same to the last digit.
float batchMultiplier(const FinalMix& mix, const PourSettings& settings);

} // namespace mix
