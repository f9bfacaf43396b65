#pragma once

#include "engine/mixinputs.h"

#include <string>

namespace web {

// One Calculate as one JSON object: the stored design fields, the final mix and every result
// text in the order Calculate writes them; or, for a refusal, its kind, the control that gets
// the focus, the message and its title. The page and the native comparison read the same text.
std::string calculateJson(const mix::MixInputs& inputs);

} // namespace web

// The entry point the page calls; the texts are UTF-8, the check states 0 or 1. The result
// stays valid until the next call.
extern "C" const char* mixdesign_calculate(const char* strength, int cube, int cylinder, const char* slump,
                                           const char* stone, int admixture, int noAdmixture, const char* dose,
                                           const char* moisture);
