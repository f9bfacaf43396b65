#pragma once

#include "engine/design.h"

#include <string>
#include <string_view>

namespace format {

// The phone page's address with a design in its fragment, as the page itself writes it:
// "#strength=240&specimen=cube&slump=10&…", the batch columns' names and values in their
// order, an empty entry left out, the dose only with admixture, the exposure class only when one
// is chosen, the pour's entries only with a volume. Values are percent-encoded as a browser's encodeURIComponent
// encodes them. Empty when `address` is.
std::string designLink(std::string_view address, const mix::Design& design);

} // namespace format
