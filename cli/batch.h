#pragma once

#include "cli/options.h"

#include <istream>
#include <ostream>
#include <string_view>

namespace cli {

// Designs every row of CSV `in` and writes one output row per input row, in order, as the
// rows arrive. Returns the exit status: 0 every row designed, 2 some row refused or
// malformed, 65 input without the expected header, 74 a read error (after the rows finished
// before it), each told on `err` naming the input as `inputName`.
int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const Options& options,
             std::string_view inputName = "standard input");

} // namespace cli
