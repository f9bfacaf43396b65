#include "engine/exposure.h"

#include "engine/texts/exposurewords.h"

#include <algorithm>

namespace mix {

namespace {
namespace w = exposurewords;
using enum Standard;
constexpr std::optional<float> kNoWc;
constexpr std::optional<int> kNoCement;
constexpr std::optional<double> kNoCube;
} // namespace

// clang-format off
const std::array<ExposureRule, kExposureCount> kExposureTable{{
    // EN 206, Table F.1: the class's strength as C cylinder/cube, in MPa.
    {Exposure::X0,  "X0",  En206, kNoWc, kNoCement, 12, 15, w::kX0},
    {Exposure::XC1, "XC1", En206, 0.65f, 260, 20, 25, w::kXC1},
    {Exposure::XC2, "XC2", En206, 0.60f, 280, 25, 30, w::kXC2},
    {Exposure::XC3, "XC3", En206, 0.55f, 280, 30, 37, w::kXC3},
    {Exposure::XC4, "XC4", En206, 0.50f, 300, 30, 37, w::kXC4},
    {Exposure::XS1, "XS1", En206, 0.50f, 300, 30, 37, w::kXS1},
    {Exposure::XS2, "XS2", En206, 0.45f, 320, 35, 45, w::kXS2},
    {Exposure::XS3, "XS3", En206, 0.45f, 340, 35, 45, w::kXS3},
    {Exposure::XD1, "XD1", En206, 0.55f, 300, 30, 37, w::kXD1},
    {Exposure::XD2, "XD2", En206, 0.55f, 300, 30, 37, w::kXD2},
    {Exposure::XD3, "XD3", En206, 0.45f, 320, 35, 45, w::kXD3},
    {Exposure::XA1, "XA1", En206, 0.55f, 300, 30, 37, w::kXA1},
    {Exposure::XA2, "XA2", En206, 0.50f, 320, 30, 37, w::kXA2},
    {Exposure::XA3, "XA3", En206, 0.45f, 360, 35, 45, w::kXA3},
    // ACI 318-19, Table 19.3.2.1: f'c on cylinders, in MPa; no minimum cement.
    {Exposure::S0, "S0", Aci318, kNoWc, kNoCement, 17, kNoCube, w::kS0},
    {Exposure::S1, "S1", Aci318, 0.50f, kNoCement, 28, kNoCube, w::kS1},
    {Exposure::S2, "S2", Aci318, 0.45f, kNoCement, 31, kNoCube, w::kS2},
    {Exposure::S3, "S3", Aci318, 0.40f, kNoCement, 35, kNoCube, w::kS3},
    {Exposure::W0, "W0", Aci318, kNoWc, kNoCement, 17, kNoCube, w::kW0},
    {Exposure::W1, "W1", Aci318, kNoWc, kNoCement, 17, kNoCube, w::kW1},
    {Exposure::W2, "W2", Aci318, 0.50f, kNoCement, 28, kNoCube, w::kW2},
    {Exposure::C0, "C0", Aci318, kNoWc, kNoCement, 17, kNoCube, w::kC0},
    {Exposure::C1, "C1", Aci318, kNoWc, kNoCement, 17, kNoCube, w::kC1},
    {Exposure::C2, "C2", Aci318, 0.40f, kNoCement, 35, kNoCube, w::kC2},
}};
// clang-format on

const ExposureRule* exposureRule(Exposure exposure)
{
    const auto it = std::find_if(kExposureTable.begin(), kExposureTable.end(),
                                 [exposure](const ExposureRule& r) { return r.exposure == exposure; });
    return it == kExposureTable.end() ? nullptr : &*it;
}

std::optional<Exposure> exposureByCode(std::string_view code)
{
    const auto same = [code](std::string_view known) {
        return known.size() == code.size() && std::equal(known.begin(), known.end(), code.begin(), [](char k, char c) {
                   return k == (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
               });
    };
    for (const ExposureRule& r : kExposureTable)
        if (same(r.code))
            return r.exposure;
    return std::nullopt;
}

std::string_view standardName(Standard standard) { return standard == En206 ? "EN 206" : "ACI 318"; }

std::string exposureCodeList()
{
    std::string list;
    for (const ExposureRule& r : kExposureTable)
        list.append(list.empty() ? "" : ", ").append(r.code);
    return list;
}

} // namespace mix
