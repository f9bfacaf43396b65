#include "engine/batch.h"

#include "engine/mixdesign.h"
#include "engine/numbers.h"

namespace mix {

float batchMultiplier(const FinalMix& f, const PourSettings& s)
{
    return f.cement > 0 ? static_cast<float>(s.bagKg * s.bagsPerBatch / f.cement) : 0.0f;
}

PourBatch mixerBatch(const FinalMix& f, const PourSettings& s)
{
    const double m = batchMultiplier(f, s);
    PourBatch b;
    b.cementKg = roundHalfEven(s.bagKg * s.bagsPerBatch);
    // Pails and baskets come from the already rounded volumes, as the user reads them.
    b.water = roundHalfEven(m * f.water, 2);
    b.pails = roundHalfEven(b.water / s.pailLitres, 1);
    b.sand = roundHalfEven(m * f.sand / site::kLooseUnitWeight, 2);
    b.sandBaskets = roundHalfEven(b.sand / s.basketM3, 1);
    b.stone = roundHalfEven(m * f.stone / site::kLooseUnitWeight, 2);
    b.stoneBaskets = roundHalfEven(b.stone / s.basketM3, 1);
    b.admixture = roundHalfEven(m * f.admixture, 2);
    return b;
}

} // namespace mix
