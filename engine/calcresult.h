#pragma once

#include "engine/mixdesign.h"
#include "engine/texts/resulttexts.h"

namespace mix {

// One accepted Calculate: its numbers and every text the window shows for them.
struct CalcResult {
    DesignNumbers numbers;
    ResultTexts texts;
};

} // namespace mix
