#include "engine/proportioning.h"

#include "engine/numbers.h"

namespace mix {

std::variant<std::int16_t, CalcError> designStrength(const MixInputs& in)
{
    const auto strength = parseNumber(in.strengthText);
    if (!strength)
        return notANumberError(Field::Strength);
    const double wanted = in.cylinderChecked ? *strength / 0.833 + 60 : *strength + 60;
    const auto F = toInt16(wanted);
    if (!F)
        return overflowError(Field::Strength);
    return *F;
}

std::variant<std::int16_t, CalcError> admixtureDose(const MixInputs& in)
{
    if (!usesAdmixture(in))
        return std::int16_t{0};
    const auto dose = parseNumber(in.doseText);
    if (!dose)
        return notANumberError(Field::Dose);
    const auto M = toInt16(*dose);
    if (!M)
        return overflowError(Field::Dose);
    return *M;
}

std::optional<float> waterCementRatio(std::int16_t F)
{
    const double f = F;
    if (f >= 150 && f <= 200)
        return static_cast<float>((200 - f) * 0.12 / 50 + 0.78);
    if (f > 200 && f <= 300)
        return static_cast<float>((300 - f) * 0.17 / 100 + 0.61);
    if (f > 300 && f <= 400)
        return static_cast<float>((400 - f) * 0.13 / 100 + 0.48);
    if (f > 400 && f <= 450)
        return static_cast<float>((450 - f) * 0.05 / 50 + 0.43);
    return std::nullopt;
}

namespace {

struct WaterAndFines {
    std::int16_t W;
    std::int16_t P;
};

WaterAndFines waterAndFines(Slump slump, Stone stone, bool withAdmixture)
{
    // Free water without admixture; a water-reducing admixture saves 10 litres throughout.
    int water = 0;
    switch (slump) {
    case Slump::S7_5:
        water = 180;
        break;
    case Slump::S10_0:
        water = 190;
        break;
    case Slump::S12_5:
        water = 200;
        break;
    }
    if (stone == Stone::No2)
        water += 10;
    if (withAdmixture)
        water -= 10;
    const int fines = stone == Stone::No1 ? 380 : 400;
    return {static_cast<std::int16_t>(water), static_cast<std::int16_t>(fines)};
}

} // namespace

std::optional<CalcError> proportionSsd(MixDesign& d, Slump slump, Stone stone, bool withAdmixture)
{
    const auto [W, P] = waterAndFines(slump, stone, withAdmixture);
    d.W = W;
    d.P = P;

    const auto WA = waterCementRatio(d.F);
    if (!WA)
        return strengthOutOfRangeError();
    d.WA = *WA;

    const float q = static_cast<float>(static_cast<double>(static_cast<float>(d.W)) / d.WA);
    const auto weight = toInt16(q);
    const auto volum = toInt16(roundHalfEven(q) / 3.15);
    if (!weight || !volum)
        return overflowError(Field::Strength);
    d.Weight = *weight;
    d.VOLUM = *volum;
    d.SAND = static_cast<std::int16_t>(d.P - d.VOLUM);

    const auto wsand = toInt16(d.SAND * 2.65);
    d.VGRAVEL = static_cast<std::int16_t>(1000 - d.VOLUM - d.W - d.SAND);
    const auto wgravel = toInt16(d.VGRAVEL * 2.7);
    if (!wsand || !wgravel)
        return overflowError(Field::Strength);
    d.WSAND = *wsand;
    d.WGRAVEL = *wgravel;

    const auto vya = toInt16(static_cast<double>(d.M) / 100 * d.Weight);
    if (!vya)
        return overflowError(Field::Dose);
    d.VYA = *vya;
    return std::nullopt;
}

} // namespace mix
