#pragma once

// Every result text of both worked examples, by control name: what the engine writes and the
// window shows.

#include "engine/thaitexts.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using ExpectedTexts = std::vector<std::pair<std::string, std::string>>;

namespace expected {

using namespace mix::text;

inline std::string join(std::initializer_list<std::string_view> parts)
{
    std::string s;
    for (auto p : parts)
        s.append(p);
    return s;
}

// Every result control of both tabs for the first worked example (240 on cubes, slump 10.0,
// stone 2, admixture 250 cc, moisture 5 %).
inline ExpectedTexts firstExampleTexts()
{
    return {
        {"Label15(0)", "310"},
        {"Label16(0)", "155"},
        {"Label17(0)", "835"},
        {"Label18(0)", "1110"},
        {"Label19(0)", "800"},
        {"Label34(0)", std::string(kOneBag)},
        {"Label35(0)", join({"25", kUnitLitre, kAbout, "0.9", kPail})},
        {"Label36(0)", join({"0.08", kUnitCubicMetre, kAbout, "4.2", kBasket})},
        {"Label37(0)", join({"0.11", kUnitCubicMetre, kAbout, "5.8", kBasket})},
        {"Label38(0)", join({"129.03", kUnitCc})},
        {"Text6", join({kYieldPrefix, "0.16", kUnitCubicMetre, kBasketNote})},
        {"Label7", join({"240", kUnitKgPerCm2})},
        {"Label5(2)", join({"300", kUnitKgPerCm2})},
        {"Label12", join({kSlump100, kUnitCm})},
        {"Label79", std::string(kStone2)},
        {"Label80", std::string(kWithAdmixture)},
        {"Label77", join({kWithAdmixture, "="})},
        {"Label9", join({"190", kUnitLitrePerM3})},
        {"Label14", "0.61"},
        {"Label16(1)", join({"311", kUnitKg})},
        {"Label18(1)", join({"99", kUnitLitre})},
        {"Label20(1)", std::string(kStone2)},
        {"Label22(1)", join({"400", kUnitLitre})},
        {"Label24(1)", join({"301", kUnitLitre})},
        {"Label26(1)", join({"798", kUnitKg})},
        {"Label28", join({"410", kUnitLitre})},
        {"Label30(1)", join({"1107", kUnitKg})},
        {"Label32(1)", join({"778", kUnitCc})},
        {"Label38(1)", join({"311", kUnitKilogram})},
        {"Label39(1)", join({"190", kUnitLitre})},
        {"Label40", join({"798", kUnitKilogram})},
        {"Label41", join({"1107", kUnitKilogram})},
        {"Label42", join({"778", kUnitCc})},
        {"Label47", "310"},
        {"Label46", "190"},
        {"Label45", "800"},
        {"Label44", "1110"},
        {"Label43", "800"},
        {"Label72", "310"},
        {"Label73", "155"},
        {"Label74", "835"},
        {"Label75", "1110"},
        {"Label76", "800"},
        {"Label61", "5%"},
        {"Label62", std::string(kSandAbsorption)},
        {"Label63", "4.3%"},
        {"Label57", "800"},
        {"Label64", join({"34.4", kUnitKilogram})},
        {"Label65", join({"834.4", kUnitKilogram})},
        {"Label66", join({"155.6", kUnitLitre})},
    };
}

// The second worked example: 240 on cylinders, slump 7.5, stone 1, no admixture, moisture 3 %.
inline ExpectedTexts secondExampleTexts()
{
    return {
        {"Label15(0)", "330"},
        {"Label16(0)", "165"},
        {"Label17(0)", "750"},
        {"Label18(0)", "1190"},
        {"Label19(0)", "0"},
        {"Label34(0)", std::string(kOneBag)},
        {"Label35(0)", join({"25", kUnitLitre, kAbout, "0.9", kPail})},
        {"Label36(0)", join({"0.07", kUnitCubicMetre, kAbout, "3.7", kBasket})},
        {"Label37(0)", join({"0.11", kUnitCubicMetre, kAbout, "5.8", kBasket})},
        {"Label38(0)", join({"0", kUnitCc})},
        {"Text6", join({kYieldPrefix, "0.15", kUnitCubicMetre, kBasketNote})},
        {"Label7", join({"240", kUnitKgPerCm2})},
        {"Label5(2)", join({"348", kUnitKgPerCm2})},
        {"Label12", join({kSlump75, kUnitCm})},
        {"Label79", std::string(kStone1)},
        {"Label80", std::string(kWithoutAdmixture)},
        {"Label77", join({kWithoutAdmixture, "="})},
        {"Label9", join({"180", kUnitLitrePerM3})},
        {"Label14", "0.5476"},
        {"Label16(1)", join({"329", kUnitKg})},
        {"Label18(1)", join({"104", kUnitLitre})},
        {"Label20(1)", std::string(kStone1)},
        {"Label22(1)", join({"380", kUnitLitre})},
        {"Label24(1)", join({"276", kUnitLitre})},
        {"Label26(1)", join({"731", kUnitKg})},
        {"Label28", join({"440", kUnitLitre})},
        {"Label30(1)", join({"1188", kUnitKg})},
        {"Label32(1)", join({"0", kUnitCc})},
        {"Label38(1)", join({"329", kUnitKilogram})},
        {"Label39(1)", join({"180", kUnitLitre})},
        {"Label40", join({"731", kUnitKilogram})},
        {"Label41", join({"1188", kUnitKilogram})},
        {"Label42", join({"0", kUnitCc})},
        {"Label47", "330"},
        {"Label46", "180"},
        {"Label45", "730"},
        {"Label44", "1190"},
        {"Label43", "0"},
        {"Label72", "330"},
        {"Label73", "165"},
        {"Label74", "750"},
        {"Label75", "1190"},
        {"Label76", "0"},
        {"Label61", "3%"},
        {"Label62", std::string(kSandAbsorption)},
        {"Label63", "2.3%"},
        {"Label57", "730"},
        {"Label64", join({"16.79", kUnitKilogram})},
        {"Label65", join({"746.79", kUnitKilogram})},
        {"Label66", join({"163.21", kUnitLitre})},
    };
}

} // namespace expected
