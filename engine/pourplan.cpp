#include "engine/pourplan.h"

#include "engine/numbers.h"
#include "engine/texts/pourwords.h"

#include <cmath>

namespace mix {
namespace {

constexpr double kLooseUnitWeight = 1600; // kg per m³ of sand or stone, as the per-bag step takes it
constexpr double kOrderStep = 0.5;        // m³: sand and stone are ordered by the half cubic metre
constexpr double kMaxWaste = 50;
constexpr int kMaxBagsPerBatch = 32767;
// A million cubic metres is far beyond any pour mixed on site, and keeps every figure of the
// order sheet short enough to stand on its line at the sheet's own size.
constexpr double kMaxVolume = 1e6;

PourFieldError fieldError(PourField field, std::string_view message) { return {field, std::string(message)}; }

// Volume times (1 + waste) is rarely exact in binary: 25 m³ with 10 % gives 27.500000000000004,
// which would make an exact 165 bags come out as 166. Figures of the whole pour are taken to
// nine decimals before they are rounded or rounded up, far below anything a site measures.
double clean(double x) { return roundHalfEven(x, 9); }
double shown(double x, int decimals) { return roundHalfEven(clean(x), decimals); }
double roundedUp(double x, double step) { return std::ceil(clean(x / step)) * step; }

PourBatch batchOf(const FinalMix& f, const PourSettings& s)
{
    // The multiplier is stored as a single-precision value exactly as the per-bag step stores
    // its own, so that one 50 kg bag in a 0.019 m³ basket and a 27 L pail reads the same here
    // as in the per-bag frame, to the last digit.
    const double kgPerBatch = s.bagKg * s.bagsPerBatch;
    const double m = f.cement > 0 ? static_cast<float>(kgPerBatch / f.cement) : 0.0f;
    PourBatch b;
    b.cementKg = roundHalfEven(kgPerBatch);
    b.water = roundHalfEven(m * f.water, 2);
    b.pails = roundHalfEven(b.water / s.pailLitres, 1);
    b.sand = roundHalfEven(m * f.sand / kLooseUnitWeight, 2);
    b.sandBaskets = roundHalfEven(b.sand / s.basketM3, 1);
    b.stone = roundHalfEven(m * f.stone / kLooseUnitWeight, 2);
    b.stoneBaskets = roundHalfEven(b.stone / s.basketM3, 1);
    b.admixture = roundHalfEven(m * f.admixture, 2);
    return b;
}

bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

std::variant<double, PourFieldError> readPourField(PourField field, std::string_view text)
{
    const auto number = parseNumber(text);
    if (!number)
        return fieldError(field, pourwords::kNotANumber);
    const double x = *number;
    switch (field) {
    case PourField::Waste:
        if (x > kMaxWaste)
            return fieldError(field, pourwords::kWasteRange);
        break;
    case PourField::BagsPerBatch:
        if (x < 1 || x != std::floor(x))
            return fieldError(field, pourwords::kWholeBags);
        if (x > kMaxBagsPerBatch)
            return fieldError(field, pourwords::kTooLarge);
        break;
    case PourField::Volume:
        if (x > kMaxVolume)
            return fieldError(field, pourwords::kTooLarge);
        [[fallthrough]];
    case PourField::BagKg:
    case PourField::Basket:
    case PourField::Pail:
        if (x <= 0)
            return fieldError(field, pourwords::kMoreThanZero);
        if (!std::isfinite(x))
            return fieldError(field, pourwords::kTooLarge);
        break;
    }
    return x;
}

PourReading readPourEntries(const PourEntries& e)
{
    PourReading reading;
    PourSettings s;
    const auto read = [&reading](PourField field, const std::string& text, auto& target) {
        const auto value = readPourField(field, text);
        if (const auto* error = std::get_if<PourFieldError>(&value))
            reading.errors.push_back(*error);
        else
            target = static_cast<std::remove_reference_t<decltype(target)>>(std::get<double>(value));
    };
    if (!e.volume.empty())
        read(PourField::Volume, e.volume, s.volume);
    read(PourField::Waste, e.waste, s.wastePercent);
    read(PourField::BagKg, e.bagKg, s.bagKg);
    read(PourField::Basket, e.basket, s.basketM3);
    read(PourField::Pail, e.pail, s.pailLitres);
    read(PourField::BagsPerBatch, e.bagsPerBatch, s.bagsPerBatch);
    if (reading.errors.empty() && !e.volume.empty())
        reading.settings = s;
    return reading;
}

std::variant<PourPlan, PourFieldError> planPour(const FinalMix& f, const PourSettings& s)
{
    const double volume = s.volume * (1 + s.wastePercent / 100);
    PourPlan p;
    p.settings = s;

    const double cementKg = f.cement * volume;
    p.cementKg = shown(cementKg, 0);
    p.cementBags = std::ceil(clean(cementKg / s.bagKg));
    p.batches = std::ceil(p.cementBags / s.bagsPerBatch);

    const double sandM3 = f.sand * volume / kLooseUnitWeight;
    p.sandKg = shown(f.sand * volume, 0);
    p.sandM3 = shown(sandM3, 2);
    p.sandOrderM3 = roundedUp(sandM3, kOrderStep);
    p.sandBaskets = shown(sandM3 / s.basketM3, 1);

    const double stoneM3 = f.stone * volume / kLooseUnitWeight;
    p.stoneKg = shown(f.stone * volume, 0);
    p.stoneM3 = shown(stoneM3, 2);
    p.stoneOrderM3 = roundedUp(stoneM3, kOrderStep);
    p.stoneBaskets = shown(stoneM3 / s.basketM3, 1);

    const double water = f.water * volume;
    p.water = shown(water, 1);
    p.waterPails = shown(water / s.pailLitres, 1);

    p.admixtureUsed = f.admixture > 0;
    p.admixture = shown(f.admixture * volume / 1000, 1);
    p.perBatch = batchOf(f, s);

    // Checked from the inputs outward, so the message lands on the entry that overflowed.
    const PourBatch& b = p.perBatch;
    if (!finite({p.cementKg, p.sandKg, p.sandM3, p.sandOrderM3, p.stoneKg, p.stoneM3, p.stoneOrderM3, p.water,
                 p.admixture}))
        return fieldError(PourField::Volume, pourwords::kTooLarge);
    if (!finite({b.cementKg, b.water, b.sand, b.stone, b.admixture}))
        return fieldError(PourField::BagKg, pourwords::kTooLarge);
    if (!finite({p.cementBags, p.batches}))
        return fieldError(PourField::BagKg, pourwords::kTooLarge);
    if (!finite({p.sandBaskets, p.stoneBaskets, b.sandBaskets, b.stoneBaskets}))
        return fieldError(PourField::Basket, pourwords::kTooLarge);
    if (!finite({p.waterPails, b.pails}))
        return fieldError(PourField::Pail, pourwords::kTooLarge);
    return p;
}

} // namespace mix
