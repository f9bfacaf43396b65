#pragma once

#include <string>

namespace mix {
struct CalcResult;
struct PourPlan;
} // namespace mix

namespace cli {

// Writes the report sheets of an accepted design into `file`, with the material order when a
// pour is planned; 0 on success, else the exit status to end with (the reason already told on
// stderr).
int writePdf(const mix::CalcResult& result, const mix::PourPlan* plan, const std::string& file);

} // namespace cli
