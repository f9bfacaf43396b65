#include "engine/calculate.h"
#include "tests/support/goldenfile.h"
#include "tests/support/workedexamples.h"

#include <gtest/gtest.h>

#include <functional>

using namespace mix;

namespace {

struct RefusalCase {
    const char* name;
    std::function<void(MixInputs&)> change;
    ErrorKind kind;
    const char* focus;
};

CalcError refused(const MixInputs& in)
{
    auto r = calculate(in);
    if (!std::holds_alternative<CalcError>(r)) {
        ADD_FAILURE() << "accepted";
        return {};
    }
    return std::get<CalcError>(r);
}

// The refusal of each kind as the user reads it: name, kind, focus, title, message.
std::vector<std::string> goldenRefusal(const std::string& name)
{
    for (const auto& row : goldenRows("refusals.tsv"))
        if (row.at(0) == name)
            return row;
    ADD_FAILURE() << "no golden refusal " << name;
    return std::vector<std::string>(5);
}

} // namespace

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, KindAndFocus)
{
    auto in = firstExample();
    GetParam().change(in);
    const CalcError e = refused(in);
    EXPECT_EQ(errorKindName(e.kind), errorKindName(GetParam().kind));
    EXPECT_EQ(e.focus, GetParam().focus);
    EXPECT_EQ(e.title, goldenRefusal("empty_strength").at(3));
    EXPECT_FALSE(e.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusal,
    testing::Values(
        RefusalCase{"EmptyStrength", [](MixInputs& i) { i.strengthText.clear(); }, ErrorKind::Incomplete, "Text2"},
        RefusalCase{"EmptyMoisture", [](MixInputs& i) { i.moistureText.clear(); }, ErrorKind::Incomplete, "Text2"},
        RefusalCase{"MoistureNeededWithoutAdmixtureToo",
                    [](MixInputs& i) {
                        i.admixtureChecked = false;
                        i.noAdmixtureChecked = true;
                        i.moistureText.clear();
                    },
                    ErrorKind::Incomplete, "Text2"},
        RefusalCase{"NoSlump", [](MixInputs& i) { i.slumpItem.clear(); }, ErrorKind::Incomplete, "Text2"},
        RefusalCase{"NoStone", [](MixInputs& i) { i.stoneItem.clear(); }, ErrorKind::Incomplete, "Text2"},
        RefusalCase{"NoSpecimen", [](MixInputs& i) { i.cubeChecked = false; }, ErrorKind::Incomplete, "Text2"},
        RefusalCase{"NoAdmixtureChoice", [](MixInputs& i) { i.admixtureChecked = false; }, ErrorKind::Incomplete,
                    "Text2"},
        RefusalCase{"ForgedSlumpText", [](MixInputs& i) { i.slumpItem = "10.0"; }, ErrorKind::Incomplete, "Text2"},
        RefusalCase{"DoseMissing", [](MixInputs& i) { i.doseText.clear(); }, ErrorKind::DoseMissing, "Text3"},
        RefusalCase{"StrengthDotAlone", [](MixInputs& i) { i.strengthText = "."; }, ErrorKind::NotANumber, "Text2"},
        RefusalCase{"StrengthTwoPoints", [](MixInputs& i) { i.strengthText = "2.4.0"; }, ErrorKind::NotANumber,
                    "Text2"},
        RefusalCase{"StrengthBlank", [](MixInputs& i) { i.strengthText = " "; }, ErrorKind::NotANumber, "Text2"},
        RefusalCase{"StrengthOverflow", [](MixInputs& i) { i.strengthText = "32708"; }, ErrorKind::Overflow, "Text2"},
        RefusalCase{"StrengthHuge", [](MixInputs& i) { i.strengthText = std::string(400, '9'); }, ErrorKind::Overflow,
                    "Text2"},
        RefusalCase{"DoseNotANumber", [](MixInputs& i) { i.doseText = "1.2.5"; }, ErrorKind::NotANumber, "Text3"},
        RefusalCase{"DoseOverflow", [](MixInputs& i) { i.doseText = "32767.5"; }, ErrorKind::Overflow, "Text3"},
        RefusalCase{"AdmixtureOverflow", [](MixInputs& i) { i.doseText = "10600"; }, ErrorKind::Overflow, "Text3"},
        RefusalCase{"StrengthTooLow", [](MixInputs& i) { i.strengthText = "89.4"; }, ErrorKind::OutOfRange, "Text2"},
        RefusalCase{"StrengthTooHigh", [](MixInputs& i) { i.strengthText = "390.6"; }, ErrorKind::OutOfRange, "Text2"},
        RefusalCase{"CylinderTooHigh",
                    [](MixInputs& i) {
                        i.cubeChecked = false;
                        i.cylinderChecked = true;
                        i.strengthText = "326";
                    },
                    ErrorKind::OutOfRange, "Text2"},
        RefusalCase{"MoistureNotANumber", [](MixInputs& i) { i.moistureText = "5.."; }, ErrorKind::NotANumber, "Text4"},
        RefusalCase{"MoistureOverflow", [](MixInputs& i) { i.moistureText = "4000"; }, ErrorKind::Overflow, "Text4"},
        RefusalCase{"MoistureBeyondFloat", [](MixInputs& i) { i.moistureText = std::string(60, '9'); },
                    ErrorKind::Overflow, "Text4"},
        RefusalCase{"SandSoWetTheWaterGoesNegative", [](MixInputs& i) { i.moistureText = "24.55"; },
                    ErrorKind::OutOfRange, "Text4"}),
    [](const testing::TestParamInfo<RefusalCase>& refusal) { return std::string(refusal.param.name); });

TEST(Refusal, IncompleteAndMissingDoseShareTheFixedMessage)
{
    auto in = firstExample();
    in.strengthText.clear();
    EXPECT_EQ(refused(in).message, goldenRefusal("empty_strength").at(4));
    in = firstExample();
    in.doseText.clear();
    EXPECT_EQ(refused(in).message, goldenRefusal("dose_missing").at(4));
}

TEST(Refusal, EachKindSaysWhatTheGoldenFileSays)
{
    const std::pair<const char*, std::function<void(MixInputs&)>> cases[] = {
        {"empty_strength", [](MixInputs& i) { i.strengthText.clear(); }},
        {"dose_missing", [](MixInputs& i) { i.doseText.clear(); }},
        {"strength_not_a_number", [](MixInputs& i) { i.strengthText = "2.4.0"; }},
        {"moisture_overflow", [](MixInputs& i) { i.moistureText = "4000"; }},
        {"strength_too_low", [](MixInputs& i) { i.strengthText = "89.4"; }},
        {"sand_far_too_wet", [](MixInputs& i) { i.moistureText = "30"; }},
    };
    EXPECT_EQ(goldenRows("refusals.tsv").size(), std::size(cases));
    for (const auto& [name, change] : cases) {
        auto in = firstExample();
        change(in);
        const CalcError e = refused(in);
        const auto want = goldenRefusal(name);
        EXPECT_EQ(errorKindName(e.kind), want.at(1)) << name;
        EXPECT_EQ(e.focus, want.at(2)) << name;
        EXPECT_EQ(e.title, want.at(3)) << name;
        EXPECT_EQ(e.message, want.at(4)) << name;
    }
}

TEST(Refusal, TheFirstFaultInComputationOrderWins)
{
    auto in = firstExample();
    in.strengthText = "1.2.5";
    in.doseText = "x";
    in.moistureText = "..";
    EXPECT_EQ(refused(in).focus, "Text2"); // strength before dose before moisture

    in.strengthText = "500"; // out of range, but the dose is read first
    EXPECT_EQ(refused(in).focus, "Text3");

    in.doseText = "250";
    EXPECT_EQ(refused(in).kind, ErrorKind::OutOfRange);
    EXPECT_EQ(refused(in).focus, "Text2");

    in.strengthText = "240";
    in.doseText = "10600"; // VYA overflow comes before the moisture is read
    EXPECT_EQ(refused(in).focus, "Text3");

    in.doseText.clear(); // completeness and dose presence come before everything
    in.admixtureChecked = true;
    EXPECT_EQ(refused(in).kind, ErrorKind::DoseMissing);
    in.slumpItem.clear();
    EXPECT_EQ(refused(in).kind, ErrorKind::Incomplete);
}

TEST(Refusal, WaterExactlyZeroIsStillADesign)
{
    // Free water equal to the mix water: nothing to add, but nothing negative either.
    auto in = firstExample();
    in.moistureText = "24.45"; // 800 * 23.75 / 100 = 190
    const auto r = calculate(in);
    ASSERT_TRUE(std::holds_alternative<CalcResult>(r));
    EXPECT_EQ(std::get<CalcResult>(r).numbers.design.V9, 0);
}
