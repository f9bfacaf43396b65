#pragma once

#include "engine/entries.h"
#include "engine/pourplan.h"
#include "engine/texts/resulttexts.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mix {

// What the order of a pour costs, in baht, each figure exact to the satang (half to even).
// A part is present when the order holds some of it and its price is given; total and
// per_m3 when any part is; readymix when its price is, for the ordered volume (waste
// included). `unpriced` names the prices of what the order holds but has no price for; only
// with none missing is difference = readymix - total given, so positive means mixing on site
// is cheaper and never half the materials against the whole of the ready-mix. Labour and mixer
// hire are not counted.
struct PourCost {
    std::optional<double> cement;
    std::optional<double> sand;
    std::optional<double> stone;
    std::optional<double> admixture;
    std::optional<double> total;
    std::optional<double> perM3;
    std::optional<double> readymix;
    std::optional<double> difference;
    std::vector<Entry> unpriced; // price entries, in table order

    bool empty() const { return !total && !readymix; }
    bool operator==(const PourCost&) const = default;
};

// The cost of `plan` at `prices`; refused only when a figure grows beyond what a number
// holds, naming the price that made it so.
std::variant<PourCost, EntryError> costPour(const PourPlan& plan, const PourPrices& prices);

// Money as every output prints it: always two decimals, "." as the point, no separators.
std::string formatBaht(double baht);

// The cost as lines of text, for the pour tab, the order sheet and the command's text;
// empty when no price is given.
struct PourCostText {
    std::string heading;
    std::vector<std::string> lines;
    std::string note;                 // what is not counted
    std::vector<std::string> summary; // the total, per_m3 and difference lines alone, for the tab
};

// A figure of the cost as the tab shows it beside its price ("8481.00  บาท"); empty when absent.
std::string bahtText(const std::optional<double>& baht);
// `figures` are the plan's texts (pourPlanTexts), which name the ordered quantities.
PourCostText pourCostText(const PourPlan& plan, const PourPrices& prices, const PourCost& cost,
                          const ResultTexts& figures);

} // namespace mix
