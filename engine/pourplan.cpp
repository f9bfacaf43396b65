#include "engine/pourplan.h"

#include "engine/numbers.h"

#include <cmath>

namespace mix {
namespace {

constexpr double kOrderStep = 0.5; // m³: sand and stone are ordered by the half cubic metre

EntryError tooLarge(Entry entry) { return {entry, EntryErrorKind::TooLarge}; }

// Volume times (1 + waste) is rarely exact in binary: 25 m³ with 10 % gives 27.500000000000004,
// which would make an exact 165 bags come out as 166. Figures of the whole pour are taken to
// nine decimals before they are rounded or rounded up, far below anything a site measures.
double clean(double x) { return roundHalfEven(x, 9); }
double shown(double x, int decimals) { return roundHalfEven(clean(x), decimals); }
double roundedUp(double x, double step) { return std::ceil(clean(x / step)) * step; }

bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

std::variant<PourPlan, EntryError> planPour(const FinalMix& f, const PourSettings& s)
{
    const double volume = s.volume * (1 + s.wastePercent / 100);
    PourPlan p;
    p.settings = s;

    const double cementKg = f.cement * volume;
    p.cementKg = shown(cementKg, 0);
    p.cementBags = std::ceil(clean(cementKg / s.bagKg));
    p.batches = std::ceil(p.cementBags / s.bagsPerBatch);

    const double sandM3 = f.sand * volume / site::kLooseUnitWeight;
    p.sandKg = shown(f.sand * volume, 0);
    p.sandM3 = shown(sandM3, 2);
    p.sandOrderM3 = roundedUp(sandM3, kOrderStep);
    p.sandBaskets = shown(sandM3 / s.basketM3, 1);

    const double stoneM3 = f.stone * volume / site::kLooseUnitWeight;
    p.stoneKg = shown(f.stone * volume, 0);
    p.stoneM3 = shown(stoneM3, 2);
    p.stoneOrderM3 = roundedUp(stoneM3, kOrderStep);
    p.stoneBaskets = shown(stoneM3 / s.basketM3, 1);

    const double water = f.water * volume;
    p.water = shown(water, 1);
    p.waterPails = shown(water / s.pailLitres, 1);

    p.admixtureUsed = f.admixture > 0;
    p.admixture = shown(f.admixture * volume / 1000, 1);
    p.perBatch = mixerBatch(f, s);

    // Checked from the inputs outward, so the message lands on the entry that overflowed.
    const PourBatch& b = p.perBatch;
    if (!finite({p.cementKg, p.sandKg, p.sandM3, p.sandOrderM3, p.stoneKg, p.stoneM3, p.stoneOrderM3, p.water,
                 p.admixture}))
        return tooLarge(Entry::Volume);
    if (!finite({b.cementKg, b.water, b.sand, b.stone, b.admixture}))
        return tooLarge(Entry::BagKg);
    if (!finite({p.cementBags, p.batches}))
        return tooLarge(Entry::BagKg);
    if (!finite({p.sandBaskets, p.stoneBaskets, b.sandBaskets, b.stoneBaskets}))
        return tooLarge(Entry::Basket);
    if (!finite({p.waterPails, b.pails}))
        return tooLarge(Entry::Pail);
    return p;
}

} // namespace mix
