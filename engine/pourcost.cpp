#include "engine/pourcost.h"

#include "engine/money.h"
#include "engine/numbers.h"
#include "engine/texts/costwords.h"
#include "engine/texts/pourtexts.h"
#include "engine/texts/pourwords.h"

#include <cmath>

namespace mix {
namespace {

// Ready-mix comes for the same volume the site orders materials for, waste included.
double orderedVolume(const PourSettings& s) { return roundHalfEven(s.volume * (1 + s.wastePercent / 100), 9); }

std::string_view materialOf(Entry price)
{
    switch (price) {
    case Entry::PriceCement:
        return pourwords::kCement;
    case Entry::PriceSand:
        return pourwords::kSand;
    case Entry::PriceStone:
        return pourwords::kStone;
    default:
        return pourwords::kAdmixture;
    }
}

std::optional<double> baht(const std::optional<Satang>& s) { return s ? std::optional(bahtOf(*s)) : std::nullopt; }

} // namespace

std::variant<PourCost, EntryError> costPour(const PourPlan& p, const PourPrices& prices)
{
    PourCost c;
    std::optional<Entry> overflow;
    std::optional<Satang> total;
    const auto part = [&](Entry price, const std::optional<double>& unit, double quantity, bool summed) {
        std::optional<Satang> out;
        if (!(quantity > 0))
            return out; // the order holds none of it: neither a part nor a missing price
        if (!unit) {
            if (summed)
                c.unpriced.push_back(price);
            return out;
        }
        out = satangOfProduct(quantity, *unit);
        if (!out && !overflow)
            overflow = price;
        if (out && summed)
            total = total.value_or(0) + *out;
        return out;
    };
    c.cement = baht(part(Entry::PriceCement, prices.cement, p.cementBags, true));
    c.sand = baht(part(Entry::PriceSand, prices.sand, p.sandOrderM3, true));
    c.stone = baht(part(Entry::PriceStone, prices.stone, p.stoneOrderM3, true));
    if (p.admixtureUsed)
        c.admixture = baht(part(Entry::PriceAdmixture, prices.admixture, p.admixture, true));
    const auto readymix = part(Entry::PriceReadymix, prices.readymix, orderedVolume(p.settings), false);
    c.readymix = baht(readymix);

    if (total) {
        c.total = bahtOf(*total);
        const auto perM3 = satangOfQuotient(*total, p.settings.volume);
        if (!perM3 && !overflow)
            overflow = Entry::PriceCement;
        c.perM3 = baht(perM3);
    }
    if (total && readymix && c.unpriced.empty())
        c.difference = bahtOf(*readymix - *total);
    if (overflow)
        return EntryError{*overflow, EntryErrorKind::TooLarge};
    return c;
}

std::string formatBaht(double x)
{
    // Every figure is a whole number of satang, so its digits come from that count and read the
    // same in the text as in JSON and CSV, however many digits the baht have.
    const long long satang = std::llround(x * 100);
    const unsigned long long whole = static_cast<unsigned long long>(satang < 0 ? -satang : satang);
    std::string cents = std::to_string(whole % 100);
    if (cents.size() < 2)
        cents.insert(0, "0");
    return (satang < 0 ? "-" : "") + std::to_string(whole / 100) + "." + cents;
}

std::string bahtText(const std::optional<double>& baht)
{
    return baht ? formatBaht(*baht) + std::string(costtext::kUnitBaht) : std::string();
}

PourCostText pourCostText(const PourPlan& p, const PourPrices& prices, const PourCost& c, const ResultTexts& figures)
{
    using namespace costtext;
    PourCostText out;
    if (c.empty())
        return out;
    const std::string is = " = ";
    const std::string unit(kUnitBaht);
    const auto line = [&](std::string_view name, std::string_view quantity, const std::optional<double>& price,
                          const std::optional<double>& cost) {
        if (cost)
            out.lines.push_back(std::string(name) + "  " + std::string(quantity) + std::string(kTimes) +
                                formatDouble(*price) + is + formatBaht(*cost) + unit);
    };
    out.heading = "*** " + std::string(kHeading) + " ***";
    line(pourwords::kCement, figures.at("cementBags"), prices.cement, c.cement);
    line(pourwords::kSand, figures.at("sandOrder"), prices.sand, c.sand);
    line(pourwords::kStone, figures.at("stoneOrder"), prices.stone, c.stone);
    line(pourwords::kAdmixture, figures.at("admixtureTotal"), prices.admixture, c.admixture);
    if (c.total) {
        out.lines.push_back(std::string(kTotal) + is + formatBaht(*c.total) + unit);
        out.lines.push_back(std::string(kPerM3) + is + formatBaht(*c.perM3) + unit);
        out.summary = {out.lines[out.lines.size() - 2], out.lines.back()};
    }
    const std::string orderedText = formatDouble(orderedVolume(p.settings)) + std::string(pourwords::kUnitM3);
    line(kReadyMix, orderedText, prices.readymix, c.readymix);
    if (c.difference) {
        const double d = *c.difference;
        const std::string_view verdict = d > 0 ? kSiteCheaper : (d < 0 ? kSiteDearer : kSiteSame);
        out.lines.push_back(std::string(verdict) + is + formatBaht(std::fabs(d)) + unit);
        out.summary.push_back(out.lines.back());
    }
    if (!c.unpriced.empty()) {
        std::string names;
        for (const Entry price : c.unpriced)
            names += (names.empty() ? "" : ", ") + std::string(materialOf(price));
        out.lines.push_back(std::string(kUnpriced) + names + std::string(c.readymix ? kNoVerdict : ""));
        out.summary.push_back(out.lines.back());
    }
    out.note = kNotCounted;
    return out;
}

} // namespace mix
