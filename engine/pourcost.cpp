#include "engine/pourcost.h"

#include "engine/numbers.h"
#include "engine/texts/costwords.h"
#include "engine/texts/pourtexts.h"
#include "engine/texts/pourwords.h"

#include <cmath>

namespace mix {
namespace {

constexpr double kMaxPrice = 10'000'000;

// A quantity times a price is rarely exact in binary: 7.5 m³ at 462.75 baht is the tie
// 3470.625, held as 3470.6249999... or 3470.6250000...1 depending on the operands. Taken to
// nine decimals first, a tie in decimals stays a tie and rounds to even, as it reads on paper.
double baht(double x) { return roundHalfEven(roundHalfEven(x, 9), 2); }

// Ready-mix comes for the same volume the site orders materials for, waste included.
double orderedVolume(const PourSettings& s) { return roundHalfEven(s.volume * (1 + s.wastePercent / 100), 9); }

PriceFieldError priceError(PriceField field, std::string_view message) { return {field, std::string(message)}; }

} // namespace

std::variant<std::optional<double>, PriceFieldError> readPrice(PriceField field, std::string_view text)
{
    if (text.empty())
        return std::optional<double>{};
    const auto number = parseNumber(text);
    if (!number)
        return priceError(field, pourwords::kNotANumber);
    if (!(*number <= kMaxPrice))
        return priceError(field, costtext::kPriceTooLarge);
    return number;
}

PriceReading readPriceEntries(const PriceEntries& e)
{
    PriceReading reading;
    const auto read = [&reading](PriceField field, const std::string& text, std::optional<double>& target) {
        auto value = readPrice(field, text);
        if (auto* error = std::get_if<PriceFieldError>(&value))
            reading.errors.push_back(std::move(*error));
        else
            target = std::get<std::optional<double>>(value);
    };
    read(PriceField::Cement, e.cement, reading.prices.cement);
    read(PriceField::Sand, e.sand, reading.prices.sand);
    read(PriceField::Stone, e.stone, reading.prices.stone);
    read(PriceField::Admixture, e.admixture, reading.prices.admixture);
    read(PriceField::ReadyMix, e.readymix, reading.prices.readymix);
    return reading;
}

std::variant<PourCost, PriceFieldError> costPour(const PourPlan& p, const PourPrices& prices)
{
    PourCost c;
    std::optional<PriceField> overflow;
    const auto part = [&overflow](PriceField field, const std::optional<double>& price, double quantity) {
        std::optional<double> out;
        if (price) {
            out = baht(quantity * *price);
            if (!std::isfinite(*out) && !overflow)
                overflow = field;
        }
        return out;
    };
    c.cement = part(PriceField::Cement, prices.cement, p.cementBags);
    c.sand = part(PriceField::Sand, prices.sand, p.sandOrderM3);
    c.stone = part(PriceField::Stone, prices.stone, p.stoneOrderM3);
    if (p.admixtureUsed)
        c.admixture = part(PriceField::Admixture, prices.admixture, p.admixture);

    for (const auto& each : {c.cement, c.sand, c.stone, c.admixture})
        if (each.has_value())
            c.total = baht(c.total.value_or(0) + *each);
    if (c.total)
        c.perM3 = baht(*c.total / p.settings.volume);

    c.readymix = part(PriceField::ReadyMix, prices.readymix, orderedVolume(p.settings));
    if (c.total && c.readymix)
        c.difference = baht(*c.readymix - *c.total);

    // The sum and the average of finite parts can still run past the largest number.
    for (const auto& figure : {c.total, c.perM3, c.difference})
        if (figure && !std::isfinite(*figure) && !overflow)
            overflow = PriceField::Cement;
    if (overflow)
        return priceError(*overflow, pourwords::kTooLarge);
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
