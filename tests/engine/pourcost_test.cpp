#include "engine/pourcost.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace mix;

namespace {

constexpr FinalMix kFirst{310, 155, 835, 1110, 800};
constexpr FinalMix kSecond{330, 165, 750, 1190, 0};
const std::nullopt_t none = std::nullopt;

PourPlan plan(const FinalMix& mix, double volume)
{
    return std::get<PourPlan>(planPour(mix, PourSettings{volume, 5, 50, 0.019, 27, 1}));
}

// Worked example 1 at 10 m³ and 5 % orders 66 bags, 5.5 and 7.5 m³, 8.4 L, and 10.5 m³ of ready-mix.
const PourPrices kExamplePrices{128.5, 415.5, 462.75, 87.35, 1850};

} // namespace

TEST(PourCost, FiguresWorkedByHand)
{
    struct Row {
        const char* name;
        FinalMix mix;
        double volume;
        PourPrices prices;
        PourCost want;
    };
    // clang-format off
    const Row rows[] = {
        // 66 x 128.5 = 8481; 5.5 x 415.5 = 2285.25; 7.5 x 462.75 = 3470.625, a tie, to 3470.62;
        // 8.4 x 87.35 = 733.74; sum 14970.61, / 10 = 1497.061; 10.5 x 1850 = 19425, less the sum 4454.39.
        {"first example, every price", kFirst, 10, kExamplePrices,
         {8481, 2285.25, 3470.62, 733.74, 14970.61, 1497.06, 19425, 4454.39}},
        // 66 x 1.0625 = 70.125 stays at 70.12, 66 x 1.1875 = 78.375 goes to 78.38: half to even.
        {"ties", kFirst, 10, {1.0625, none, none, none, none},
         {70.12, none, none, none, 70.12, 7.01, none, none}},
        {"tie upward", kFirst, 10, {1.1875, none, none, none, none},
         {78.38, none, none, none, 78.38, 7.84, none, none}},
        // A part without its price is absent from the parts and from the total.
        {"cement and ready-mix only", kFirst, 10, {100, none, none, none, 1000},
         {6600, none, none, none, 6600, 660, 10500, 3900}},
        // Ready-mix alone: nothing to add up and nothing to compare.
        {"ready-mix only", kFirst, 10, {none, none, none, none, 2000},
         {none, none, none, none, none, none, 21000, none}},
        // No admixture in the design: its price buys nothing and shows no part.
        // 70 x 140 = 9800, 5 x 400 = 2000; dearer than 10.5 x 1000 by 1300.
        {"second example, no admixture", kSecond, 10, {140, 400, none, 90, 1000},
         {9800, 2000, none, none, 11800, 1180, 10500, -1300}},
        {"zero is a price", kFirst, 10, {0, none, none, none, none},
         {0, none, none, none, 0, 0, none, none}},
    };
    // clang-format on
    for (const auto& row : rows) {
        const auto cost = costPour(plan(row.mix, row.volume), row.prices);
        ASSERT_TRUE(std::holds_alternative<PourCost>(cost)) << row.name;
        EXPECT_EQ(std::get<PourCost>(cost), row.want) << row.name;
    }
    EXPECT_TRUE(std::get<PourCost>(costPour(plan(kFirst, 10), {})).empty());
}

TEST(PourCost, TextOfTheFirstExampleAsGolden)
{
    const PourPlan p = plan(kFirst, 10);
    const PourCost c = std::get<PourCost>(costPour(p, kExamplePrices));
    const PourCostText t = pourCostText(p, kExamplePrices, c);
    std::ostringstream got;
    got << t.heading << '\n';
    for (const auto& line : t.lines)
        got << line << '\n';
    got << t.note << '\n';
    std::ifstream file(MIXDESIGN_GOLDEN_DIR "/texts/pourcost-example1.txt");
    ASSERT_TRUE(file) << "golden file missing";
    std::stringstream golden;
    golden << file.rdbuf();
    EXPECT_EQ(got.str(), golden.str());

    EXPECT_TRUE(pourCostText(p, {}, PourCost{}).lines.empty());
    const std::pair<double, const char*> money[] = {
        {0, "0.00"}, {7.5, "7.50"}, {14970.61, "14970.61"}, {1e9, "1000000000.00"}};
    for (const auto& [x, text] : money)
        EXPECT_EQ(formatBaht(x), text);
}

TEST(PourCost, CostTooLargeNamesThePrice)
{
    // A pour so large that its cost runs past every number names the price that did it.
    const PourPlan huge = plan(kFirst, 1e296);
    EXPECT_EQ(std::get<EntryError>(costPour(huge, {none, 10000000, none, none, none})),
              (EntryError{Entry::PriceSand, EntryErrorKind::TooLarge}));
}
