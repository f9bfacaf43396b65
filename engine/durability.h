#pragma once

#include "engine/exposure.h"
#include "engine/mixdesign.h"
#include "engine/mixinputs.h"

#include <optional>
#include <string_view>
#include <vector>

namespace mix {

// What a class limits, in the order the verdict names them.
enum class DurabilityCheck { WaterCement, Cement, Strength };
std::string_view checkName(DurabilityCheck check); // "wc", "cement", "strength"

// An accepted design judged against its exposure class.
struct Durability {
    Exposure exposure = Exposure::None;
    // The class's minimum strength in kg/cm² on the specimen the strength was typed for,
    // to 2 decimals: the figure shown is the figure compared.
    double minStrength = 0;
    std::vector<DurabilityCheck> fails;
    // The smallest whole strength, same specimen and other entries, whose design meets the
    // class; none when no strength the method accepts does.
    std::optional<int> leastStrength;

    bool meets() const { return fails.empty(); }
    bool operator==(const Durability&) const = default;
};

// The strengths the method designs (its w/c table covers 150..450 kg/cm² with the margin).
struct StrengthRange {
    int least = 0;
    int most = 0;
};
StrengthRange acceptedStrengths(bool cylinder);

// The class's minimum strength in kg/cm² to 2 decimals: EN 206's own cylinder or cube figure;
// ACI 318's cylinder figure, and for a cube that divided by 0.833 as the method converts.
double minimumStrength(const ExposureRule& rule, bool cylinder);

// The checks `numbers`, designed from `in`, fails against the class.
std::vector<DurabilityCheck> failedChecks(const ExposureRule& rule, const MixInputs& in, const DesignNumbers& numbers);

std::optional<int> leastStrength(const ExposureRule& rule, const MixInputs& in);

// The verdict on an accepted design; none when no class is chosen.
std::optional<Durability> judgeDurability(Exposure exposure, const MixInputs& in, const DesignNumbers& numbers);

} // namespace mix
