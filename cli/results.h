#pragma once

#include "cli/options.h"
#include "engine/acceptance.h"

#include <ostream>
#include <variant>

namespace cli {

// The sheet of --results judged against the options' strength and specimen, or the exit status
// to end with, its reason told on `err` in English and Thai, naming the line.
std::variant<mix::Acceptance, int> judgeResultsFile(const Options& options, std::ostream& err);

} // namespace cli
