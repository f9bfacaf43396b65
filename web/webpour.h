#pragma once

#include "engine/mixdesign.h"
#include "engine/pourplan.h"

#include <optional>
#include <string>

namespace web {

// The parts of one cubic metre by absolute volume, for the page's volume picture, as a JSON array.
std::string volumePartsJson(const mix::MixDesign& design);

// Appends the planner's members to an open JSON object: "pourErrors", every bad entry with the
// id of its field; and, when `mix` is an accepted design's and a volume is given, "pour" (the
// command line's object) and "pourTexts" (each figure as the planner tab shows it, keyed as in
// "pour", the one-batch figures as "per_batch.KEY"). Returns the plan, if there is one.
std::optional<mix::PourPlan> appendPourJson(std::string& out, const mix::FinalMix* mix,
                                            const mix::PourEntries& entries);

// The planner's reading of the entries, an over-long one refused as too large.
mix::PourReading readBoundedPourEntries(const mix::PourEntries& entries);

} // namespace web
