#pragma once

#include "engine/calcerror.h"
#include "engine/calculate.h"

#include <string>

namespace cli {

// The final mix per cubic metre and the per-bag batch in Thai, with the window's texts.
std::string textReport(const mix::CalcResult& result);

std::string jsonReport(const mix::CalcResult& result);
std::string jsonError(const mix::CalcError& error);

} // namespace cli
