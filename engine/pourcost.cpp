#include "engine/pourcost.h"

#include "engine/numbers.h"
#include "engine/texts/costwords.h"
#include "engine/texts/pourtexts.h"
#include "engine/texts/pourwords.h"

#include <cmath>

namespace mix {
namespace {

// A quantity times a price is rarely exact in binary: 7.5 m³ at 462.75 baht is the tie
// 3470.625, held as 3470.6249999... or 3470.6250000...1 depending on the operands. Taken to
// nine decimals first, a tie in decimals stays a tie and rounds to even, as it reads on paper.
double baht(double x) { return roundHalfEven(roundHalfEven(x, 9), 2); }

// Ready-mix comes for the same volume the site orders materials for, waste included.
double orderedVolume(const PourSettings& s) { return roundHalfEven(s.volume * (1 + s.wastePercent / 100), 9); }

} // namespace

std::variant<PourCost, EntryError> costPour(const PourPlan& p, const PourPrices& prices)
{
    PourCost c;
    std::optional<Entry> overflow;
    const auto part = [&overflow](Entry field, const std::optional<double>& price, double quantity) {
        std::optional<double> out;
        if (price) {
            out = baht(quantity * *price);
            if (!std::isfinite(*out) && !overflow)
                overflow = field;
        }
        return out;
    };
    c.cement = part(Entry::PriceCement, prices.cement, p.cementBags);
    c.sand = part(Entry::PriceSand, prices.sand, p.sandOrderM3);
    c.stone = part(Entry::PriceStone, prices.stone, p.stoneOrderM3);
    if (p.admixtureUsed)
        c.admixture = part(Entry::PriceAdmixture, prices.admixture, p.admixture);

    for (const auto& each : {c.cement, c.sand, c.stone, c.admixture})
        if (each.has_value())
            c.total = baht(c.total.value_or(0) + *each);
    if (c.total)
        c.perM3 = baht(*c.total / p.settings.volume);

    c.readymix = part(Entry::PriceReadymix, prices.readymix, orderedVolume(p.settings));
    if (c.total && c.readymix)
        c.difference = baht(*c.readymix - *c.total);

    // The sum and the average of finite parts can still run past the largest number.
    for (const auto& figure : {c.total, c.perM3, c.difference})
        if (figure && !std::isfinite(*figure) && !overflow)
            overflow = Entry::PriceCement;
    if (overflow)
        return EntryError{*overflow, EntryErrorKind::TooLarge};
    return c;
}

std::string formatBaht(double x)
{
    std::string s = formatDouble(x);
    const auto point = s.find('.');
    if (point == std::string::npos)
        return s + ".00";
    s.resize(point + 3, '0');
    return s;
}

std::string bahtText(const std::optional<double>& baht)
{
    return baht ? formatBaht(*baht) + std::string(costtext::kUnitBaht) : std::string();
}

PourCostText pourCostText(const PourPlan& p, const PourPrices& prices, const PourCost& c)
{
    using namespace costtext;
    PourCostText out;
    if (c.empty())
        return out;
    const ResultTexts figures = pourPlanTexts(p);
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
    out.note = kNotCounted;
    return out;
}

} // namespace mix
