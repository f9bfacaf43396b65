#pragma once

#include "engine/mixdesign.h"
#include "engine/mixinputs.h"
#include "engine/texts/resulttexts.h"

namespace mix {

// One accepted Calculate: its numbers, every text the window shows for them, and the entries
// that gave them, so a printed sheet can carry its design back to the page.
struct CalcResult {
    DesignNumbers numbers;
    ResultTexts texts;
    MixInputs inputs;
};

} // namespace mix
