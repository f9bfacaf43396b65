#pragma once

#include <string>

namespace mix {
struct CalcResult;
}

namespace cli {

// Writes the report sheets of an accepted design into `file`; 0 on success, else the exit
// status to end with (the reason already told on stderr).
int writePdf(const mix::CalcResult& result, const std::string& file);

} // namespace cli
