#pragma once

#include "engine/design.h"
#include "engine/mixdesign.h"
#include "format/jsonwriter.h"

#include <string>

namespace web {

// The parts of one cubic metre by absolute volume, for the page's volume picture, as a JSON array.
std::string volumePartsJson(const mix::MixDesign& design);

// The planner's members of the page's object: "pourErrors", every refused entry and price with
// the id of its field; and with a plan, "pour" (the command line's object, its "cost" with
// prices) and "pourTexts" (each figure as the planner tab shows it, keyed by its label's name).
void appendPourMembers(format::JsonWriter& o, const mix::Design& design);

} // namespace web
