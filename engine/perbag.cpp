#include "engine/perbag.h"

#include "engine/mixdesign.h"
#include "engine/numbers.h"

namespace mix {
namespace {
constexpr double kBagKg = 50;
constexpr double kLooseUnitWeight = 1600; // kg per m³ of sand or stone as measured
constexpr double kBasketM3 = 0.019;
constexpr double kPailLitres = 27;
} // namespace

std::optional<CalcError> batchPerBag(DesignNumbers& out)
{
    const FinalMix& f = out.final;
    if (f.cement <= 0)
        return strengthOutOfRangeError();
    out.design.mcement = static_cast<float>(kBagKg / f.cement);
    const double m = out.design.mcement;

    PerBag& b = out.perBag;
    // Pails and baskets come from the already rounded volumes, as the user reads them.
    b.water = roundHalfEven(m * f.water, 2);
    b.pails = roundHalfEven(b.water / kPailLitres, 1);
    b.sand = roundHalfEven(m * f.sand / kLooseUnitWeight, 2);
    b.sandBaskets = roundHalfEven(b.sand / kBasketM3, 1);
    b.stone = roundHalfEven(m * f.stone / kLooseUnitWeight, 2);
    b.stoneBaskets = roundHalfEven(b.stone / kBasketM3, 1);
    b.admixture = roundHalfEven(m * f.admixture, 2);
    b.yield = roundHalfEven(m, 2);
    return std::nullopt;
}

} // namespace mix
