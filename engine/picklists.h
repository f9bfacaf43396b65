#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace mix {

enum class Slump { S7_5, S10_0, S12_5 };
enum class Stone { No1, No2 };

// The pick-list item texts, in list order; the blanks are part of the data.
const std::array<std::string_view, 3>& slumpItems();
const std::array<std::string_view, 2>& stoneItems();

// The one place where a picked text becomes a class: exact, blanks included.
std::optional<Slump> slumpFromItem(std::string_view item);
std::optional<Stone> stoneFromItem(std::string_view item);

} // namespace mix
