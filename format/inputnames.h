#pragma once

#include "engine/mixinputs.h"

#include <optional>
#include <string>
#include <string_view>

namespace format {

// The short names the command line, the batch columns and the JSON echo use for the window's
// choices: "cube", "10.0", "2", "yes". An empty name is a choice left open (no box ticked,
// no list item picked), which the engine refuses as the window does.

// Each setter answers false for a name it does not know and then leaves `in` as it was.
bool setSpecimen(mix::MixInputs& in, std::string_view name);
bool setSlump(mix::MixInputs& in, std::string_view name); // 7.5, 10, 10.0, 12.5
bool setStone(mix::MixInputs& in, std::string_view name);
bool setAdmixture(mix::MixInputs& in, std::string_view name); // yes, no

std::string_view specimenName(const mix::MixInputs& in);
std::string_view slumpName(const mix::MixInputs& in); // always the 10.0 form
std::string_view stoneName(const mix::MixInputs& in);
std::string_view admixtureName(const mix::MixInputs& in);

} // namespace format
