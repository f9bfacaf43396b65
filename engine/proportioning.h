#pragma once

#include "engine/calcerror.h"
#include "engine/mixdesign.h"
#include "engine/mixinputs.h"
#include "engine/picklists.h"

#include <cstdint>
#include <optional>
#include <variant>

namespace mix {

// With the window's check boxes only one of a pair can be ticked; should both be, the
// without-admixture box decides, as it is looked at last.
inline bool usesAdmixture(const MixInputs& in) { return in.admixtureChecked && !in.noAdmixtureChecked; }

// F: the cube strength (a cylinder strength divided by 0.833) plus the 60 kg/cm² margin.
std::variant<std::int16_t, CalcError> designStrength(const MixInputs& in);

// M: the maker's dose in cc per 100 kg of cement, 0 without admixture.
std::variant<std::int16_t, CalcError> admixtureDose(const MixInputs& in);

// The water/cement ratio by the piecewise table; empty outside 150..450 kg/cm².
std::optional<float> waterCementRatio(std::int16_t F);

// The saturated-surface-dry mix for one cubic metre (absolute volumes, no air term).
std::optional<CalcError> proportionSsd(MixDesign& d, Slump slump, Stone stone, bool withAdmixture);

} // namespace mix
