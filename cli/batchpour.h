#pragma once

#include "engine/pourcost.h"
#include "engine/pourplan.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

// The pour planner's columns a batch file may add; a row with a volume gets its pour planned,
// the other columns falling back to the planner's own defaults when absent or empty.
inline constexpr std::array<std::string_view, 6> kPourColumns{"volume", "waste", "bag_kg",
                                                              "basket", "pail",  "bags_per_batch"};
using PourColumnPlaces = std::array<std::optional<size_t>, kPourColumns.size()>;

// Cement is sold in bags of 50 and 40 kg; any other size is a slip (45 for 50, 1.5 for a count
// of bags) that would order the wrong number of bags. The one rule for --bag-kg and bag_kg.
bool isBagSize(std::string_view text);

// The row's pour: none when its volume is empty, or what is wrong with one of its entries.
std::variant<std::optional<mix::PourSettings>, std::string> pourOf(const std::vector<std::string>& row,
                                                                   const PourColumnPlaces& at);

// The prices a batch file may add, in baht; they count only on a row with a volume.
inline constexpr std::array<std::string_view, 5> kPriceColumns{"price_cement", "price_sand", "price_stone",
                                                               "price_admixture", "price_readymix"};
using PriceColumnPlaces = std::array<std::optional<size_t>, kPriceColumns.size()>;

// The row's prices (an empty field is no price), or what is wrong with one of them.
std::variant<mix::PourPrices, std::string> pricesOf(const std::vector<std::string>& row, const PriceColumnPlaces& at);

// The column of a price, for naming it in a message.
inline std::string_view priceColumn(mix::PriceField field) { return kPriceColumns[size_t(field)]; }

} // namespace cli
