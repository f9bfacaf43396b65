#include "engine/calculate.h"
#include "engine/picklists.h"
#include "tests/support/goldenfile.h"
#include "tests/support/workedexamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mix;

namespace {

CalcResult accepted(const MixInputs& in)
{
    auto r = calculate(in);
    if (auto* e = std::get_if<CalcError>(&r))
        ADD_FAILURE() << "refused: " << errorKindName(e->kind) << " " << e->message;
    return std::get<CalcResult>(r);
}

// Every text Calculate writes, and no other, as the golden file of the worked example has it.
void expectTexts(const ResultTexts& texts, const std::string& golden)
{
    const auto rows = goldenRows(golden);
    ASSERT_EQ(rows.size(), 52u) << golden;
    EXPECT_EQ(texts.size(), rows.size());
    for (const auto& row : rows)
        EXPECT_EQ(texts.at(row.at(0)), row.at(1)) << row.at(0);
}

} // namespace

// A stored float the hand-worked value matches within `tolerance`; 0 is an exact match.
struct Near {
    double value;
    double tolerance = 1e-6;
};

// The stored fields of a worked example as worked by hand.
struct Stored {
    int F, W, P;
    float WA;
    int Weight, VOLUM, SAND, WSAND, VGRAVEL, WGRAVEL, M, VYA;
    Near V1, V2, V3, V4;
    float V5;
    int V6;
    Near V7;
    float V8;
    int V9;
    Near V10;
    float mcement;
};

struct WorkedCase {
    const char* name;
    MixInputs (*inputs)();
    Stored stored;
    FinalMix final;
    const char* texts; // golden file
};

// The VYA of the first, 777.5, is a tie and goes to the even neighbour.
const WorkedCase kWorkedExamples[] = {
    {"first",
     firstExample,
     {300,   190,    400,    0.61f, 311,   99,     301, 798,    410,        1107, 250, 778, {-0.1}, {0.19999999f, 0},
      {0.3}, {0.22}, 834.4f, 834,   {0.1}, 155.6f, 156, {-0.1}, 0.16129032f},
     {310, 155, 835, 1110, 800},
     "texts/example1.tsv"},
    {"second",
     secondExample,
     {348,   180,    380,   0.54759997f, 329,     104, 276,   731,     440, 1188,  0,          0,
      {0.1}, {-0.1}, {0.2}, {0.0},       746.79f, 747, {0.3}, 163.21f, 163, {0.2}, 0.15151516f},
     {330, 165, 750, 1190, 0},
     "texts/example2.tsv"},
};

TEST(WorkedExample, EveryStoredFieldAndEveryText)
{
    for (const WorkedCase& c : kWorkedExamples) {
        SCOPED_TRACE(c.name);
        const auto r = accepted(c.inputs());
        const MixDesign& d = r.numbers.design;
        const Stored& e = c.stored;
        EXPECT_EQ(d.F, e.F);
        EXPECT_EQ(d.W, e.W);
        EXPECT_EQ(d.P, e.P);
        EXPECT_EQ(d.WA, e.WA);
        EXPECT_EQ(d.Weight, e.Weight);
        EXPECT_EQ(d.VOLUM, e.VOLUM);
        EXPECT_EQ(d.SAND, e.SAND);
        EXPECT_EQ(d.WSAND, e.WSAND);
        EXPECT_EQ(d.VGRAVEL, e.VGRAVEL);
        EXPECT_EQ(d.WGRAVEL, e.WGRAVEL);
        EXPECT_EQ(d.M, e.M);
        EXPECT_EQ(d.VYA, e.VYA);
        const std::pair<double, Near> nears[] = {{d.V1, e.V1}, {d.V2, e.V2}, {d.V3, e.V3},
                                                 {d.V4, e.V4}, {d.V7, e.V7}, {d.V10, e.V10}};
        for (const auto& [actual, expected] : nears) {
            if (expected.tolerance == 0)
                EXPECT_EQ(actual, expected.value);
            else
                EXPECT_NEAR(actual, expected.value, expected.tolerance);
        }
        EXPECT_EQ(d.V5, e.V5);
        EXPECT_EQ(d.V6, e.V6);
        EXPECT_EQ(d.V8, e.V8);
        EXPECT_EQ(d.V9, e.V9);
        EXPECT_EQ(d.mcement, e.mcement);
        EXPECT_EQ(r.numbers.final, c.final);
        expectTexts(r.texts, c.texts);
    }
}

TEST(WorkedExample, TextsAreWrittenInWindowOrder)
{
    // Later labels copy earlier ones, so the order is part of the contract.
    const auto r = accepted(firstExample());
    std::vector<std::string> order;
    for (const auto& [control, text] : r.texts.items())
        order.emplace_back(control);
    const std::vector<std::string> head{"Label15(0)", "Label17(0)", "Label16(0)", "Label18(0)", "Label19(0)",
                                        "Label34(0)", "Label35(0)", "Label36(0)", "Label37(0)", "Label38(0)",
                                        "Text6",      "Label7",     "Label5(2)",  "Label12",    "Label79",
                                        "Label80",    "Label77",    "Label9",     "Label14"};
    ASSERT_GE(order.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(order.begin(), order.begin() + head.size()), head);
    // The window's texts end with its last label; the specimen's two texts follow them.
    const std::vector<std::string> tail{"Label72", "Label73", "Label74",      "Label75",  "Label76",
                                        "Label61", "Label62", "Label63",      "Label57",  "Label64",
                                        "Label65", "Label66", "specimenNote", "marginSum"};
    EXPECT_EQ(std::vector<std::string>(order.end() - tail.size(), order.end()), tail);
}

struct StrengthCase {
    const char* text;
    bool cylinder;
    int F;
};

class ProductionStrength : public testing::TestWithParam<StrengthCase> {};

TEST_P(ProductionStrength, RoundsHalfToEvenAfterTheMargin)
{
    auto in = firstExample();
    in.strengthText = GetParam().text;
    in.cubeChecked = !GetParam().cylinder;
    in.cylinderChecked = GetParam().cylinder;
    EXPECT_EQ(accepted(in).numbers.design.F, GetParam().F);
}

INSTANTIATE_TEST_SUITE_P(Table, ProductionStrength,
                         testing::Values(StrengthCase{"240", false, 300}, StrengthCase{"240", true, 348},
                                         StrengthCase{"240.5", false, 300}, StrengthCase{"241.5", false, 302},
                                         StrengthCase{"240.0", false, 300}, StrengthCase{"90", false, 150},
                                         StrengthCase{"390", false, 450}, StrengthCase{"75", true, 150},
                                         StrengthCase{"324", true, 449}));

TEST(Dose, RoundsHalfToEvenAndIsIgnoredWithoutAdmixture)
{
    auto in = firstExample();
    in.doseText = "250.5";
    EXPECT_EQ(accepted(in).numbers.design.M, 250);
    in.doseText = "251.5";
    EXPECT_EQ(accepted(in).numbers.design.M, 252);

    in.admixtureChecked = false;
    in.noAdmixtureChecked = true;
    in.doseText = "";
    const auto r = accepted(in);
    EXPECT_EQ(r.numbers.design.M, 0);
    EXPECT_EQ(r.numbers.design.VYA, 0);
    in.doseText = "not even looked at";
    EXPECT_EQ(accepted(in).numbers.design, r.numbers.design);
}

TEST(SsdMix, WithoutAdmixtureTheFirstExampleTakesTenLitresMore)
{
    auto in = firstExample();
    in.admixtureChecked = false;
    in.noAdmixtureChecked = true;
    const MixDesign d = accepted(in).numbers.design;
    EXPECT_EQ(d.W, 200);
    EXPECT_EQ(d.Weight, 328);
    EXPECT_EQ(d.VOLUM, 104);
    EXPECT_EQ(d.SAND, 296);
    EXPECT_EQ(d.WSAND, 784);
    EXPECT_EQ(d.VGRAVEL, 400);
    EXPECT_EQ(d.WGRAVEL, 1080);
    EXPECT_EQ(d.VYA, 0);
}

TEST(SsdMix, WaterAndFinesTableCoversEverySlumpStoneAndAdmixture)
{
    const int withAdmixture[3][2] = {{170, 180}, {180, 190}, {190, 200}};
    for (int slump = 0; slump < 3; ++slump) {
        for (int stone = 0; stone < 2; ++stone) {
            for (bool admixture : {true, false}) {
                auto in = firstExample();
                in.slumpItem = std::string(slumpItems()[slump]);
                in.stoneItem = std::string(stoneItems()[stone]);
                in.admixtureChecked = admixture;
                in.noAdmixtureChecked = !admixture;
                const MixDesign d = accepted(in).numbers.design;
                EXPECT_EQ(d.W, withAdmixture[slump][stone] + (admixture ? 0 : 10)) << slump << stone;
                EXPECT_EQ(d.P, stone == 0 ? 380 : 400);
                EXPECT_EQ(d.VGRAVEL, 1000 - d.W - d.P);
            }
        }
    }
}

TEST(SsdMix, WaterCementRatioPiecesMeet)
{
    struct Row {
        const char* cubeStrength;
        float WA;
    };
    for (const Row& row : {Row{"90", 0.90f}, Row{"140", 0.78f}, Row{"141", static_cast<float>(99 * 0.17 / 100 + 0.61)},
                           Row{"240", 0.61f}, Row{"340", 0.48f}, Row{"390", 0.43f}}) {
        auto in = firstExample();
        in.strengthText = row.cubeStrength;
        EXPECT_EQ(accepted(in).numbers.design.WA, row.WA) << row.cubeStrength;
    }
}

TEST(Moisture, SandAndWaterFollowTheFreeMoisture)
{
    struct Row {
        const char* moisture;
        float V5;
        int V6;
        float V8;
        int V9;
        int sand;
        int water;
    };
    for (const Row& row : {Row{"5", 834.4f, 834, 155.6f, 156, 835, 155}, Row{"0.5", 798.4f, 798, 191.6f, 192, 800, 190},
                           Row{"0.7", 800.0f, 800, 190.0f, 190, 800, 190}, Row{"0", 794.4f, 794, 195.6f, 196, 795, 195},
                           Row{"24.5", 990.4f, 990, -0.4f, 0, 990, 0}}) {
        auto in = firstExample();
        in.moistureText = row.moisture;
        const auto r = accepted(in);
        EXPECT_EQ(r.numbers.design.V5, row.V5) << row.moisture;
        EXPECT_EQ(r.numbers.design.V6, row.V6) << row.moisture;
        EXPECT_EQ(r.numbers.design.V8, row.V8) << row.moisture;
        EXPECT_EQ(r.numbers.design.V9, row.V9) << row.moisture;
        EXPECT_EQ(r.numbers.final.sand, row.sand) << row.moisture;
        EXPECT_EQ(r.numbers.final.water, row.water) << row.moisture;
    }
}

TEST(PerBag, YieldRoundsHalfToEven)
{
    // 400 kg of cement per cubic metre makes 0.125 m³ a bag, an exact tie.
    auto in = firstExample();
    in.admixtureChecked = false;
    in.noAdmixtureChecked = true;
    in.slumpItem = std::string(slumpItems()[2]);
    in.strengthText = "305";
    const auto r = accepted(in);
    ASSERT_EQ(r.numbers.final.cement, 400);
    EXPECT_EQ(r.numbers.design.mcement, 0.125f);
    EXPECT_EQ(r.numbers.perBag.yield, 0.12);
    std::string text6 = goldenRows("texts/example1.tsv").at(10).at(1);
    ASSERT_NE(text6.find("0.16"), std::string::npos);
    text6.replace(text6.find("0.16"), 4, "0.12");
    EXPECT_EQ(r.texts.at("Text6"), text6);
}

TEST(Calculate, HasNoMemoryOfEarlierCalls)
{
    const auto alone = accepted(secondExample());
    (void)calculate(firstExample());
    auto broken = firstExample();
    broken.moistureText = "1.2.5";
    (void)calculate(broken);
    const auto again = accepted(secondExample());
    EXPECT_EQ(again.numbers.design, alone.numbers.design);
    EXPECT_EQ(again.texts.items(), alone.texts.items());
}
