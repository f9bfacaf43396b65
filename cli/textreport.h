#pragma once

#include "engine/calculate.h"

#include <string>

namespace cli {

// The final mix per cubic metre and the per-bag batch in Thai, with the window's captions.
std::string textReport(const mix::CalcResult& result);

} // namespace cli
