#include "engine/perbag.h"

#include "engine/batch.h"
#include "engine/mixdesign.h"
#include "engine/numbers.h"

namespace mix {

std::optional<CalcError> batchPerBag(DesignNumbers& out)
{
    const FinalMix& f = out.final;
    if (f.cement <= 0)
        return strengthOutOfRangeError();
    const PourSettings oneBag;
    out.design.mcement = batchMultiplier(f, oneBag);
    static_cast<PourBatch&>(out.perBag) = mixerBatch(f, oneBag);
    out.perBag.yield = roundHalfEven(out.design.mcement, 2);
    return std::nullopt;
}

} // namespace mix
