#include "engine/entries.h"

#include "engine/numbers.h"
#include "engine/texts/costwords.h"
#include "engine/texts/pourwords.h"

#include <algorithm>
#include <cmath>

namespace mix {
namespace {

constexpr double kMaxWaste = 50;
constexpr int kMaxBagsPerBatch = 32767;
// A million cubic metres is far beyond any pour mixed on site, and keeps every figure of the
// order sheet short enough to stand on its line at the sheet's own size.
constexpr double kMaxVolume = 1e6;
constexpr double kMaxPrice = 10'000'000;

// The smallest measures that still describe a site: below them a pour orders a bag for a
// teaspoon of concrete, and a basket or pail turns every batch into thousands of measures.
struct LowerBound {
    Entry entry;
    double least;
    std::string_view text;
};
constexpr LowerBound kLowerBounds[] = {
    {Entry::Volume, 0.01, "0.01"},
    {Entry::Basket, 0.001, "0.001"},
    {Entry::Pail, 0.1, "0.1"},
};

const LowerBound* lowerBound(Entry entry)
{
    for (const auto& bound : kLowerBounds)
        if (bound.entry == entry)
            return &bound;
    return nullptr;
}

EntryError refused(Entry entry, EntryErrorKind kind) { return {entry, kind}; }

std::optional<EntryErrorKind> breaksRule(Entry entry, double x)
{
    using K = EntryErrorKind;
    if (!std::isfinite(x))
        return K::TooLarge;
    switch (entry) {
    case Entry::Waste:
        return x > kMaxWaste ? std::optional(K::WasteRange) : std::nullopt;
    case Entry::BagKg:
        // Cement is sold in bags of 50 and 40 kg; any other size is a slip (45 for 50, 1.5 for
        // a count of bags) that would order the wrong number of bags.
        return x == 50 || x == 40 ? std::nullopt : std::optional(K::BagSize);
    case Entry::BagsPerBatch:
        if (x < 1 || x != std::floor(x))
            return K::WholeBags;
        return x > kMaxBagsPerBatch ? std::optional(K::TooLarge) : std::nullopt;
    case Entry::Volume:
        if (x > kMaxVolume)
            return K::TooLarge;
        [[fallthrough]];
    case Entry::Basket:
    case Entry::Pail:
        if (x <= 0)
            return K::MoreThanZero;
        return x < lowerBound(entry)->least ? std::optional(K::TooSmall) : std::nullopt;
    default:
        return x > kMaxPrice ? std::optional(K::PriceRange) : std::nullopt;
    }
}

} // namespace

// clang-format off
const std::array<EntryRow, kEntryCount> kEntryTable{{
    {Entry::Volume, "volume", "--pour", "M3", "takes the cubic metres to pour, a number from 0.01 to 1000000",
     "also plan a pour of M3 cubic metres: what to order, and one mixer batch",
     pourwords::kVolumePrompt, "", "volumeField"},
    {Entry::Waste, "waste", "--waste", "PERCENT", "takes a per cent from 0 to 50",
     "with --pour: allowance added to every quantity (default 5)", pourwords::kWastePrompt, "5", "wasteField"},
    {Entry::BagKg, "bag_kg", "--bag-kg", "50|40", "takes 50 or 40",
     "with --pour: kg in a bag of cement (default 50)", pourwords::kBagPrompt, "50", "bagKgField"},
    {Entry::Basket, "basket", "--basket", "M3", "takes the basket's cubic metres, a number from 0.001",
     "with --pour: the basket sand and stone are measured in (default 0.019)", pourwords::kBasketPrompt, "0.019",
     "basketField"},
    {Entry::Pail, "pail", "--pail", "LITRES", "takes the pail's litres, a number from 0.1",
     "with --pour: the pail water is measured in (default 27)", pourwords::kPailPrompt, "27", "pailField"},
    {Entry::BagsPerBatch, "bags_per_batch", "--bags-per-batch", "N", "takes a whole number of bags from 1",
     "with --pour: bags of cement in one mixer batch (default 1)", pourwords::kBagsPerBatchPrompt, "1",
     "bagsPerBatchField"},
    {Entry::PriceCement, "price_cement", "--price-cement", "BAHT", "takes baht, a number from 0 to 10000000",
     "with --pour: baht per bag of cement", costtext::kCementPrompt, "", "cementPriceField"},
    {Entry::PriceSand, "price_sand", "--price-sand", "BAHT", "takes baht, a number from 0 to 10000000",
     "with --pour: baht per m3 of sand", costtext::kSandPrompt, "", "sandPriceField"},
    {Entry::PriceStone, "price_stone", "--price-stone", "BAHT", "takes baht, a number from 0 to 10000000",
     "with --pour: baht per m3 of stone", costtext::kStonePrompt, "", "stonePriceField"},
    {Entry::PriceAdmixture, "price_admixture", "--price-admixture", "BAHT", "takes baht, a number from 0 to 10000000",
     "with --pour: baht per litre of admixture", costtext::kAdmixturePrompt, "", "admixturePriceField"},
    {Entry::PriceReadymix, "price_readymix", "--price-readymix", "BAHT", "takes baht, a number from 0 to 10000000",
     "with --pour: baht per m3 of ready-mix concrete, to compare", costtext::kReadyMixPrompt, "",
     "readymixPriceField"},
}};
// clang-format on

const EntryRow& entryRow(Entry entry) { return kEntryTable[static_cast<std::size_t>(entry)]; }

bool isPrice(Entry entry) { return static_cast<std::size_t>(entry) >= kPourEntryCount; }

std::optional<Entry> entryByKey(std::string_view key)
{
    const auto it = std::find_if(kEntryTable.begin(), kEntryTable.end(), [&](const auto& r) { return r.key == key; });
    return it == kEntryTable.end() ? std::nullopt : std::optional(it->entry);
}

std::string entryErrorMessage(const EntryError& error)
{
    using K = EntryErrorKind;
    switch (error.kind) {
    case K::NotANumber:
        return std::string(pourwords::kNotANumber);
    case K::MoreThanZero:
        return std::string(pourwords::kMoreThanZero);
    case K::TooSmall: {
        const LowerBound* bound = lowerBound(error.entry);
        return std::string(pourwords::kTooSmall) + std::string(bound ? bound->text : "0");
    }
    case K::WasteRange:
        return std::string(pourwords::kWasteRange);
    case K::BagSize:
        return std::string(pourwords::kBagSize);
    case K::WholeBags:
        return std::string(pourwords::kWholeBags);
    case K::TooLarge:
        return std::string(pourwords::kTooLarge);
    case K::PriceRange:
        return std::string(costtext::kPriceTooLarge);
    }
    return {};
}

std::variant<std::optional<double>, EntryError> readEntry(Entry entry, std::string_view text)
{
    if (text.empty())
        return std::optional<double>{};
    if (text.size() > kMaxEntryBytes)
        return refused(entry, isPrice(entry) ? EntryErrorKind::PriceRange : EntryErrorKind::TooLarge);
    const auto number = parseNumber(text);
    if (!number)
        return refused(entry, EntryErrorKind::NotANumber);
    if (const auto kind = breaksRule(entry, *number))
        return refused(entry, *kind);
    return number;
}

EntryReading readEntries(const EntryTexts& texts)
{
    EntryReading reading;
    PourSettings s;
    std::optional<double>* prices[] = {&reading.prices.cement, &reading.prices.sand, &reading.prices.stone,
                                       &reading.prices.admixture, &reading.prices.readymix};
    for (const auto& row : kEntryTable) {
        const auto value = readEntry(row.entry, texts[static_cast<std::size_t>(row.entry)]);
        if (const auto* error = std::get_if<EntryError>(&value)) {
            reading.errors.push_back(*error);
            continue;
        }
        const auto& number = std::get<std::optional<double>>(value);
        if (isPrice(row.entry)) {
            *prices[static_cast<std::size_t>(row.entry) - kPourEntryCount] = number;
            continue;
        }
        if (!number)
            continue;
        switch (row.entry) {
        case Entry::Volume:
            s.volume = *number;
            break;
        case Entry::Waste:
            s.wastePercent = *number;
            break;
        case Entry::BagKg:
            s.bagKg = *number;
            break;
        case Entry::Basket:
            s.basketM3 = *number;
            break;
        case Entry::Pail:
            s.pailLitres = *number;
            break;
        default:
            s.bagsPerBatch = static_cast<int>(*number);
            break;
        }
    }
    const auto none = [&reading](auto bad) { return std::none_of(reading.errors.begin(), reading.errors.end(), bad); };
    if (none([](const EntryError& e) { return !isPrice(e.entry); }) && !texts[0].empty())
        reading.settings = s;
    // One batch never needs the volume or the waste.
    if (none([](const EntryError& e) {
            return !isPrice(e.entry) && e.entry != Entry::Volume && e.entry != Entry::Waste;
        }))
        reading.batchSettings = s;
    return reading;
}

} // namespace mix
