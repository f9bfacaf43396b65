#pragma once

#include "engine/batch.h"
#include "engine/exposure.h"
#include "engine/mixinputs.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mix {

// The entries of a pour and its prices, whichever way they come in: the planner tab, the
// command's options, a batch row or the page's link. Each has one row in `kEntryTable`, and
// one rule in `readEntry`.
enum class Entry {
    Volume,
    Waste,
    BagKg,
    Basket,
    Pail,
    BagsPerBatch,
    PriceCement,
    PriceSand,
    PriceStone,
    PriceAdmixture,
    PriceReadymix,
};
inline constexpr std::size_t kEntryCount = 11;
inline constexpr std::size_t kPourEntryCount = 6; // Volume to BagsPerBatch; the prices follow

// Why an entry is refused; each front end words it its own way (Thai beside the field,
// English in a usage error), so none compares messages.
enum class EntryErrorKind { NotANumber, MoreThanZero, TooSmall, WasteRange, BagSize, WholeBags, TooLarge, PriceRange };

struct EntryError {
    Entry entry = Entry::Volume;
    EntryErrorKind kind = EntryErrorKind::NotANumber;

    bool operator==(const EntryError&) const = default;
};

struct EntryRow {
    Entry entry;
    std::string_view key;         // the link's and the batch column's name
    std::string_view option;      // the command's option
    std::string_view valueName;   // the option's value in the usage
    std::string_view usage;       // what the option takes, after its name in a usage error
    std::string_view help;        // the option's line in --help
    std::string_view prompt;      // the Thai caption beside the field
    std::string_view defaultText; // what an empty entry stands for; empty: nothing (no pour, no price)
    std::string_view elementId;   // the field's object name in the window and id on the page
};

extern const std::array<EntryRow, kEntryCount> kEntryTable;

const EntryRow& entryRow(Entry entry);
bool isPrice(Entry entry);
std::optional<Entry> entryByKey(std::string_view key);

// The Thai message shown beside a refused field.
std::string entryErrorMessage(const EntryError& error);

// Longer than any number a person types, and short enough that no text can exhaust memory.
inline constexpr std::size_t kMaxEntryBytes = 256;

// One entry as typed, by its one rule: empty is no value (the default, or no price and no
// pour); otherwise digits and one full stop, within the entry's bounds.
std::variant<std::optional<double>, EntryError> readEntry(Entry entry, std::string_view text);

// The entries as typed (UTF-8), indexed by `Entry`.
using EntryTexts = std::array<std::string, kEntryCount>;

struct PourPrices {
    std::optional<double> cement;    // baht per bag
    std::optional<double> sand;      // baht per m³
    std::optional<double> stone;     // baht per m³
    std::optional<double> admixture; // baht per litre
    std::optional<double> readymix;  // baht per m³ of ready-mix concrete, to compare

    bool any() const { return cement || sand || stone || admixture || readymix; }
    bool operator==(const PourPrices&) const = default;
};

// Every bad entry in table order; `settings` only when every pour entry is good and a volume
// is given (an empty volume is not an error: there is nothing to plan); `batchSettings` when
// the measures of one batch (bag, basket, pail, bags per batch) are good, whatever the volume
// and waste; the good prices.
struct EntryReading {
    std::optional<PourSettings> settings;
    std::optional<PourSettings> batchSettings;
    PourPrices prices;
    std::vector<EntryError> errors;
};
EntryReading readEntries(const EntryTexts& texts);

// One record of everything a user enters for one design.
struct Entries {
    MixInputs design;
    EntryTexts pour;
    Exposure exposure = Exposure::None; // where the concrete will stand; None judges nothing

    bool operator==(const Entries&) const = default;
};

} // namespace mix
