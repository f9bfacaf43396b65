#pragma once

#include "engine/durability.h"
#include "engine/exposure.h"
#include "engine/mixinputs.h"

#include <string>

namespace mix {

// A class as the window's and the page's choice list shows it: "XC3 (EN 206)  ภายนอก...";
// the class left open is "ไม่ระบุ".
std::string exposureChoiceText(Exposure exposure);

// The verdict on a design in Thai lines: the class, whether it meets it (or which limits it
// breaks), and when it does not, the least strength that would or the advice that none will.
struct DurabilityText {
    std::string exposure;
    std::string verdict;
    std::string least; // empty when the design meets the class

    bool operator==(const DurabilityText&) const = default;
};
DurabilityText durabilityText(const Durability& durability, const MixInputs& in);

} // namespace mix
