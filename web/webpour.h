#pragma once

#include "engine/design.h"
#include "engine/mixdesign.h"
#include "format/jsonwriter.h"

#include <string>
#include <string_view>

namespace web {

// The parts of one cubic metre by absolute volume, for the page's volume picture, as a JSON array.
std::string volumePartsJson(const mix::MixDesign& design);

// The planner's members of the page's object: "pourErrors", every refused entry and price with
// the id of its field; and with a plan, "pour" (the command line's object, its "cost" with
// prices) and "pourTexts" (each figure as the planner tab shows it, keyed by its label's name).
void appendPourMembers(format::JsonWriter& o, const mix::Design& design);

// The cost's lines as the order sheet prints them, "costText", when the pour is costed.
void appendCostText(format::JsonWriter& o, const mix::Design& design);

// "card": the mixer card's texts for an accepted design (its batch, in the order it goes into
// the drum, and its foot with `date`), which the page prints and shows at the mixer.
void appendCard(format::JsonWriter& o, const mix::Design& design, std::string_view date);

} // namespace web
