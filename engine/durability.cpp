#include "engine/durability.h"

#include "engine/calculate.h"
#include "engine/numbers.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace mix {
namespace {

constexpr double kMpaPerKgCm2 = 0.0980665;
// The method's own cylinder-to-cube factor (engine/proportioning.cpp).
constexpr double kCylinderToCube = 0.833;

} // namespace

std::string_view checkName(DurabilityCheck check)
{
    switch (check) {
    case DurabilityCheck::WaterCement:
        return "wc";
    case DurabilityCheck::Cement:
        return "cement";
    case DurabilityCheck::Strength:
        break;
    }
    return "strength";
}

StrengthRange acceptedStrengths(bool cylinder) { return cylinder ? StrengthRange{75, 324} : StrengthRange{90, 390}; }

double minimumStrength(const ExposureRule& rule, bool cylinder)
{
    double kgCm2 = 0;
    if (cylinder)
        kgCm2 = rule.minCylinderMpa / kMpaPerKgCm2;
    else if (rule.minCubeMpa)
        kgCm2 = *rule.minCubeMpa / kMpaPerKgCm2;
    else
        kgCm2 = rule.minCylinderMpa / kMpaPerKgCm2 / kCylinderToCube;
    return roundHalfEven(kgCm2, 2);
}

std::vector<DurabilityCheck> failedChecks(const ExposureRule& rule, const MixInputs& in, const DesignNumbers& numbers)
{
    std::vector<DurabilityCheck> fails;
    if (rule.maxWc && numbers.design.WA > *rule.maxWc)
        fails.push_back(DurabilityCheck::WaterCement);
    if (rule.minCementKg && numbers.final.cement < *rule.minCementKg)
        fails.push_back(DurabilityCheck::Cement);
    const auto strength = parseNumber(in.strengthText);
    if (!strength || *strength < minimumStrength(rule, in.cylinderChecked))
        fails.push_back(DurabilityCheck::Strength);
    return fails;
}

std::optional<int> leastStrength(const ExposureRule& rule, const MixInputs& in)
{
    const StrengthRange range = acceptedStrengths(in.cylinderChecked);
    // Below the class's minimum nothing can meet it, so the search starts there.
    const int first = std::max(range.least, static_cast<int>(std::ceil(minimumStrength(rule, in.cylinderChecked))));
    MixInputs tried = in;
    for (int strength = first; strength <= range.most; ++strength) {
        tried.strengthText = std::to_string(strength);
        const auto outcome = computeDesign(tried);
        if (const auto* numbers = std::get_if<DesignNumbers>(&outcome);
            numbers && failedChecks(rule, tried, *numbers).empty())
            return strength;
    }
    return std::nullopt;
}

std::optional<Durability> judgeDurability(Exposure exposure, const MixInputs& in, const DesignNumbers& numbers)
{
    const ExposureRule* rule = exposureRule(exposure);
    if (!rule)
        return std::nullopt;
    return Durability{exposure, minimumStrength(*rule, in.cylinderChecked), failedChecks(*rule, in, numbers),
                      leastStrength(*rule, in)};
}

} // namespace mix
