#include "engine/calculate.h"

#include "engine/entries.h"
#include "engine/moisture.h"
#include "engine/numbers.h"
#include "engine/perbag.h"
#include "engine/picklists.h"
#include "engine/proportioning.h"

namespace mix {
namespace {

bool isIncomplete(const MixInputs& in)
{
    return in.strengthText.empty() || in.moistureText.empty() || in.stoneItem.empty() || in.slumpItem.empty() ||
           (!in.cubeChecked && !in.cylinderChecked) || (!in.noAdmixtureChecked && !in.admixtureChecked);
}

// A text longer than any number a person types is refused as too large before it is read,
// once the input is otherwise complete, so the user meets the refusals in the usual order.
std::optional<Field> overLongField(const MixInputs& in)
{
    if (in.strengthText.size() > kMaxEntryBytes)
        return Field::Strength;
    if (in.admixtureChecked && in.doseText.size() > kMaxEntryBytes)
        return Field::Dose;
    if (in.moistureText.size() > kMaxEntryBytes)
        return Field::Moisture;
    return std::nullopt;
}

} // namespace

std::variant<DesignNumbers, CalcError> computeDesign(const MixInputs& in)
{
    if (isIncomplete(in))
        return incompleteError();
    if (in.admixtureChecked && in.doseText.empty())
        return doseMissingError();

    const auto slump = slumpFromItem(in.slumpItem);
    const auto stone = stoneFromItem(in.stoneItem);
    if (!slump || !stone)
        // Pick-only lists cannot hold other texts; a caller that forges one gets the
        // same answer as for a list left empty.
        return incompleteError();
    if (const auto field = overLongField(in))
        return overflowError(*field);

    DesignNumbers out;
    MixDesign& d = out.design;

    const auto strength = designStrength(in);
    if (auto* err = std::get_if<CalcError>(&strength))
        return *err;
    d.F = std::get<std::int16_t>(strength);

    const auto dose = admixtureDose(in);
    if (auto* err = std::get_if<CalcError>(&dose))
        return *err;
    d.M = std::get<std::int16_t>(dose);

    if (auto err = proportionSsd(d, *slump, *stone, usesAdmixture(in)))
        return *err;
    if (auto err = adjustForMoisture(out, in.moistureText))
        return *err;
    if (auto err = batchPerBag(out))
        return *err;
    return out;
}

std::variant<CalcResult, CalcError> calculate(const MixInputs& inputs)
{
    auto numbers = computeDesign(inputs);
    if (auto* err = std::get_if<CalcError>(&numbers))
        return *err;
    CalcResult result{std::get<DesignNumbers>(std::move(numbers)), {}, inputs};
    result.texts = makeResultTexts(inputs, result.numbers);
    return result;
}

} // namespace mix
