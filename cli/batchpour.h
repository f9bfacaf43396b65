#pragma once

#include "engine/entries.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// Where each pour entry's and price's column sits in a row, named as the entry table names
// them; a row with a volume gets its pour planned, the other entries falling back to their
// defaults when absent or empty.
using EntryColumnPlaces = std::array<std::optional<size_t>, mix::kEntryCount>;

// The row's entries as typed. Prices count only on a row with a volume, so without one they
// are not read at all.
mix::EntryTexts entryTextsOf(const std::vector<std::string>& row, const EntryColumnPlaces& at);

// What is wrong with an entry of the row, naming its column.
std::string entryColumnMessage(const mix::EntryError& error, const mix::EntryTexts& texts);

} // namespace cli
