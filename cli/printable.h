#pragma once

#include <string>
#include <string_view>

namespace cli {

// Text of the user's (a CSV cell or header, an argument, a file name) as a message may quote it:
// a terminal obeys control characters (move the cursor, recolour, retitle), so those, and bytes
// that are not UTF-8, are written as \x1b, \xe9; the rest, Thai included, as it is.
std::string printable(std::string_view input);

} // namespace cli
