#pragma once

#include "engine/mixinputs.h"
#include "engine/pourplan.h"

#include <cstddef>
#include <string>

namespace web {

// Longer than any number a person types, and short enough that no text can exhaust the
// engine's memory; the page's fields stop at a smaller maxlength.
inline constexpr std::size_t kMaxFieldBytes = 256;

// One Calculate as one JSON object: the stored design fields, the final mix, every result
// text in the order Calculate writes them, the volume of each material in a cubic metre and
// the printed sheets; or, for a refusal, its kind, the control that gets the focus, the message
// and its title. Either way it carries the planner's entry messages, and with a volume the
// planned pour. The page and the native comparison read the same text.
std::string calculateJson(const mix::MixInputs& inputs, const mix::PourEntries& pour = {});

} // namespace web

// The entry point the page calls; the texts are UTF-8 in memory the caller allocated on the
// heap, the check states 0 or 1. The result stays valid until the next call.
extern "C" const char* mixdesign_calculate(const char* strength, int cube, int cylinder, const char* slump,
                                           const char* stone, int admixture, int noAdmixture, const char* dose,
                                           const char* moisture, const char* volume, const char* waste,
                                           const char* bagKg, const char* basket, const char* pail,
                                           const char* bagsPerBatch);
