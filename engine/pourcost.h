#pragma once

#include "engine/pourplan.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mix {

// The unit prices a user may give, in baht; the ready-mix price is only for comparison.
enum class PriceField { Cement, Sand, Stone, Admixture, ReadyMix };

struct PriceFieldError {
    PriceField field = PriceField::Cement;
    std::string message;

    bool operator==(const PriceFieldError&) const = default;
};

// Baht per bag of cement, per m³ of sand and of stone, per litre of admixture and per m³ of
// ready-mix concrete; a price not given is empty. Prices are never kept between runs.
struct PourPrices {
    std::optional<double> cement;
    std::optional<double> sand;
    std::optional<double> stone;
    std::optional<double> admixture;
    std::optional<double> readymix;

    bool any() const { return cement || sand || stone || admixture || readymix; }
    bool operator==(const PourPrices&) const = default;
};

// One price as typed: empty text is no price; otherwise digits and one full stop, at most
// ten million baht (zero is a price: the site's own sand costs nothing).
std::variant<std::optional<double>, PriceFieldError> readPrice(PriceField field, std::string_view text);

struct PriceEntries {
    std::string cement;
    std::string sand;
    std::string stone;
    std::string admixture;
    std::string readymix;
};

// The good prices, and every bad entry in field order; a bad entry is left out of `prices`.
struct PriceReading {
    PourPrices prices;
    std::vector<PriceFieldError> errors;
};
PriceReading readPriceEntries(const PriceEntries& entries);

// What the order of a pour costs, in baht, each figure rounded half to even to 2 decimals.
// A part is present when its price is given (admixture only when the design uses it);
// total and per_m3 when any part is; readymix when its price is, for the ordered volume
// (waste included); difference = readymix - total when both are, so positive means mixing
// on site is cheaper. Labour and mixer hire are not counted.
struct PourCost {
    std::optional<double> cement;
    std::optional<double> sand;
    std::optional<double> stone;
    std::optional<double> admixture;
    std::optional<double> total;
    std::optional<double> perM3;
    std::optional<double> readymix;
    std::optional<double> difference;

    bool empty() const { return !total && !readymix; }
    bool operator==(const PourCost&) const = default;
};

// The cost of `plan` at `prices`; refused only when a figure grows beyond what a number
// holds, naming the price that made it so.
std::variant<PourCost, PriceFieldError> costPour(const PourPlan& plan, const PourPrices& prices);

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
PourCostText pourCostText(const PourPlan& plan, const PourPrices& prices, const PourCost& cost);

} // namespace mix
