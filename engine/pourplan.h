#pragma once

#include "engine/mixdesign.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mix {

// What the site measures with and how much it pours; the defaults are the per-bag step's
// own bag, basket and pail.
struct PourSettings {
    double volume = 0;       // m³ of concrete to pour
    double wastePercent = 5; // allowance added to every quantity
    double bagKg = 50;       // one bag of cement
    double basketM3 = 0.019; // sand and stone are measured in baskets
    double pailLitres = 27;  // water in pails
    int bagsPerBatch = 1;    // bags of cement in one mixer batch

    bool operator==(const PourSettings&) const = default;
};

enum class PourField { Volume, Waste, BagKg, Basket, Pail, BagsPerBatch };

// A planner entry that cannot be used, and the short Thai message shown beside it.
struct PourFieldError {
    PourField field = PourField::Volume;
    std::string message;

    bool operator==(const PourFieldError&) const = default;
};

// One entry as typed, read with the same strict number reading as the design's fields.
std::variant<double, PourFieldError> readPourField(PourField field, std::string_view text);

// The planner's entries as typed (UTF-8).
struct PourEntries {
    std::string volume;
    std::string waste;
    std::string bagKg;
    std::string basket;
    std::string pail;
    std::string bagsPerBatch;
};

// Every bad entry, in field order. `settings` is present only when all entries are good
// and a volume is given: an empty volume is not an error, there is just nothing to plan.
struct PourReading {
    std::optional<PourSettings> settings;
    std::vector<PourFieldError> errors;
};
PourReading readPourEntries(const PourEntries& entries);

// One mixer batch of `bagsPerBatch` bags, scaled from the final mix as the per-bag step
// scales it, each value rounded as shown.
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
std::variant<PourPlan, PourFieldError> planPour(const FinalMix& mix, const PourSettings& settings);

} // namespace mix
