#include "engine/texts/durabilitytexts.h"

#include "engine/numbers.h"
#include "engine/texts/captionwords.h"
#include "engine/texts/exposurewords.h"
#include "engine/texts/resultwords.h"

namespace mix {

using namespace exposurewords;

std::string exposureChoiceText(Exposure exposure)
{
    const ExposureRule* rule = exposureRule(exposure);
    if (!rule)
        return std::string(kNone);
    return std::string(rule->code) + " (" + std::string(standardName(rule->standard)) + ")  " +
           std::string(rule->description);
}

DurabilityText durabilityText(const Durability& durability, const MixInputs& in)
{
    const ExposureRule& rule = *exposureRule(durability.exposure);
    DurabilityText text;
    text.exposure = std::string(kExposureCaption) + exposureChoiceText(durability.exposure);
    if (durability.meets()) {
        text.verdict = kMeets;
        return text;
    }
    text.verdict = kFails;
    for (const DurabilityCheck check : durability.fails) {
        if (check != durability.fails.front())
            text.verdict += kSeparator;
        switch (check) {
        case DurabilityCheck::WaterCement:
            text.verdict.append(kFailWc).append(formatSingle(*rule.maxWc));
            break;
        case DurabilityCheck::Cement:
            text.verdict.append(kFailCement).append(formatInt(*rule.minCementKg)).append(kUnitKgPerM3);
            break;
        case DurabilityCheck::Strength:
            text.verdict.append(kFailStrength)
                .append(formatDouble(durability.minStrength))
                .append(resultwords::kUnitKgPerCm2);
            break;
        }
    }
    if (!durability.leastStrength) {
        text.least = kNoStrength;
        return text;
    }
    text.least.append(kLeastStrength)
        .append(formatInt(*durability.leastStrength))
        .append(resultwords::kUnitKgPerCm2)
        .append(resultwords::kSpecimen)
        .append(in.cylinderChecked ? captionOf("Check2") : captionOf("Check1"));
    return text;
}

} // namespace mix
