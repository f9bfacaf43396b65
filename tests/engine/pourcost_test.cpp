#include "engine/money.h"
#include "engine/pourcost.h"
#include "engine/texts/pourtexts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sstream>
#include <tuple>

using namespace mix;

namespace {

constexpr FinalMix kFirst{310, 155, 835, 1110, 800};
constexpr FinalMix kSecond{330, 165, 750, 1190, 0};
const std::nullopt_t none = std::nullopt;
constexpr Entry Cement = Entry::PriceCement, Sand = Entry::PriceSand, Stone = Entry::PriceStone,
                Admixture = Entry::PriceAdmixture;

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
         {8481, 2285.25, 3470.62, 733.74, 14970.61, 1497.06, 19425, 4454.39, {}}},
        // 66 x 1.0625 = 70.125 stays at 70.12, 66 x 1.1875 = 78.375 goes to 78.38: half to even.
        // Whatever the order holds without a price is named, and then nothing is compared.
        {"ties", kFirst, 10, {1.0625, none, none, none, none},
         {70.12, none, none, none, 70.12, 7.01, none, none, {Sand, Stone, Admixture}}},
        {"tie upward", kFirst, 10, {1.1875, none, none, none, none},
         {78.38, none, none, none, 78.38, 7.84, none, none, {Sand, Stone, Admixture}}},
        // Cement alone against the whole of the ready-mix would be no verdict at all.
        {"cement and ready-mix only", kFirst, 10, {100, none, none, none, 1000},
         {6600, none, none, none, 6600, 660, 10500, none, {Sand, Stone, Admixture}}},
        {"ready-mix only", kFirst, 10, {none, none, none, none, 2000},
         {none, none, none, none, none, none, 21000, none, {Cement, Sand, Stone, Admixture}}},
        // No admixture in the design: its price buys nothing, shows no part and is not missing.
        // 70 x 140 = 9800, 5 x 400 = 2000, 8 x 300 = 2400; dearer than 10.5 x 1000 by 3700.
        {"second example, no admixture", kSecond, 10, {140, 400, 300, 90, 1000},
         {9800, 2000, 2400, none, 14200, 1420, 10500, -3700, {}}},
        {"zero is a price", kFirst, 10, {0, 0, 0, 0, none},
         {0, 0, 0, 0, 0, 0, none, none, {}}},
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
    const PourCostText t = pourCostText(p, kExamplePrices, c, pourPlanTexts(p));
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

    EXPECT_TRUE(pourCostText(p, {}, PourCost{}, pourPlanTexts(p)).lines.empty());
    // Cement and ready-mix priced alone: the missing prices are named, and no verdict is drawn.
    const PourPrices half{128.5, none, none, none, 1850};
    const PourCostText named = pourCostText(p, half, std::get<PourCost>(costPour(p, half)), pourPlanTexts(p));
    EXPECT_EQ(named.lines.back(), "ยังไม่มีราคา: ทราย, หิน, น้ำยาผสมคอนกรีต จึงยังเทียบกับคอนกรีตผสมเสร็จไม่ได้");
    EXPECT_EQ(named.summary.back(), named.lines.back());
    for (const auto& line : named.lines)
        EXPECT_EQ(line.find("ผสมเอง"), std::string::npos) << line;
    const std::pair<double, const char*> money[] = {{0, "0.00"},
                                                    {7.5, "7.50"},
                                                    {14970.61, "14970.61"},
                                                    {1e9, "1000000000.00"},
                                                    {-1300, "-1300.00"},
                                                    {62000000000000.0, "62000000000000.00"},
                                                    {14999999999999.99, "14999999999999.99"}};
    for (const auto& [x, text] : money)
        EXPECT_EQ(formatBaht(x), text);
}

// Half-satang ties decided on the decimals as typed, never on their binary products.
TEST(PourCost, SatangTiesWorkedByHand)
{
    const std::tuple<double, double, const char*> rows[] = {
        {1, 1.015, "1.02"},         // 1.015 is a tie; 1 is odd, so up
        {7.5, 1357.29, "10179.68"}, // 10179.675
        {0.5, 301.29, "150.64"},    // 150.645; 4 is even, so down
        {7.5, 462.75, "3470.62"},   // 3470.625
        {66, 1.1875, "78.38"},      // 78.375
        {0.5, 0.01, "0.00"},        // 0.005, to the even 0
        {0.5, 0.03, "0.02"},        // 0.015
        {6200000, 10000000, "62000000000000.00"},
        {4500000.5, 10000001, "45000009500000.50"},
    };
    for (const auto& [quantity, price, text] : rows) {
        const auto satang = satangOfProduct(quantity, price);
        ASSERT_TRUE(satang) << text;
        EXPECT_EQ(formatBaht(bahtOf(*satang)), text) << quantity << " x " << price;
    }
    EXPECT_EQ(satangOfQuotient(14970'61, 10), 1497'06); // 1497.061
    EXPECT_EQ(satangOfQuotient(1'05, 0.2), 5'25);
    EXPECT_EQ(satangOfQuotient(1'01, 2), 50); // 50.5 satang, to the even 50
    EXPECT_FALSE(satangOfProduct(1e300, 1e7));
    EXPECT_FALSE(satangOfProduct(std::numeric_limits<double>::infinity(), 1));
}

TEST(PourCost, CostTooLargeNamesThePrice)
{
    // A pour so large that its cost runs past every number names the price that did it.
    const PourPlan huge = plan(kFirst, 1e296);
    EXPECT_EQ(std::get<EntryError>(costPour(huge, {none, 10000000, none, none, none})),
              (EntryError{Entry::PriceSand, EntryErrorKind::TooLarge}));
}
