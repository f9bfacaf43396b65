#include "engine/calculate.h"
#include "engine/pourplan.h"
#include "engine/texts/pourtexts.h"
#include "tests/support/workedexamples.h"

#include <gtest/gtest.h>

using namespace mix;

namespace {

constexpr FinalMix kFirst{310, 155, 835, 1110, 800};
constexpr FinalMix kSecond{330, 165, 750, 1190, 0};

PourSettings pour(double volume, double waste, double bagKg = 50, double basket = 0.019, double pail = 27,
                  int bagsPerBatch = 1)
{
    return {volume, waste, bagKg, basket, pail, bagsPerBatch};
}

PourPlan planned(const FinalMix& mix, const PourSettings& settings)
{
    auto r = planPour(mix, settings);
    if (auto* e = std::get_if<EntryError>(&r))
        ADD_FAILURE() << "refused: " << entryErrorMessage(*e);
    return std::get<PourPlan>(r);
}

// kg, bags, then sand and stone (kg, m³, order m³, baskets), water (L, pails), admixture L,
// batches; then one batch: cement kg, water L, pails, sand m³, baskets, stone m³, baskets, cc.
std::vector<double> figures(const PourPlan& p)
{
    const PourBatch& b = p.perBatch;
    return {p.cementKg,    p.cementBags, p.sandKg,       p.sandM3,       p.sandOrderM3, p.sandBaskets,
            p.stoneKg,     p.stoneM3,    p.stoneOrderM3, p.stoneBaskets, p.water,       p.waterPails,
            p.admixture,   p.batches,    b.cementKg,     b.water,        b.pails,       b.sand,
            b.sandBaskets, b.stone,      b.stoneBaskets, b.admixture};
}

} // namespace

TEST(PourPlan, FiguresWorkedByHand)
{
    struct Row {
        const char* name;
        FinalMix mix;
        PourSettings settings;
        std::vector<double> want;
    };
    // clang-format off
    const Row rows[] = {
        // 3255 kg / 50 = 65.1 -> 66 bags; 8767.5 kg / 1600 = 5.48 m³ -> 5.5, / 0.019 = 288.4 baskets;
        // 11655 kg -> 7.28 m³ -> 7.5, 383.4 baskets; 1627.5 L / 27 = 60.3 pails; 8.4 L admixture.
        // One 50 kg bag per batch reads as the per-bag frame: 25 L, 0.9 pail, 4.2 and 5.8 baskets, 129.03 cc.
        {"first example, 10 m³ and 5 %", kFirst, pour(10, 5),
         {3255, 66, 8768, 5.48, 5.5, 288.4, 11655, 7.28, 7.5, 383.4, 1627.5, 60.3, 8.4, 66,
          50, 25, 0.9, 0.08, 4.2, 0.11, 5.8, 129.03}},
        // 3255 / 40 = 81.4 -> 82 bags, 41 batches of 80 kg: m = 80/310, 40 L, 0.13 and 0.18 m³.
        {"40 kg bags, two to a batch", kFirst, pour(10, 5, 40, 0.019, 27, 2),
         {3255, 82, 8768, 5.48, 5.5, 288.4, 11655, 7.28, 7.5, 383.4, 1627.5, 60.3, 8.4, 41,
          80, 40, 1.5, 0.13, 6.8, 0.18, 9.5, 206.45}},
        // 5.4797 / 0.025 = 219.2; 1627.5 / 20 = 81.375 -> 81.4; per batch 25 / 20 = 1.25, a tie, -> 1.2.
        {"0.025 m³ basket and 20 L pail", kFirst, pour(10, 5, 50, 0.025, 20),
         {3255, 66, 8768, 5.48, 5.5, 219.2, 11655, 7.28, 7.5, 291.4, 1627.5, 81.4, 8.4, 66,
          50, 25, 1.2, 0.08, 3.2, 0.11, 4.4, 129.03}},
        // The second example's per-bag frame: 25 L, 0.9 pail, 0.07 m³ and 3.7, 0.11 m³ and 5.8 baskets.
        {"second example, no admixture", kSecond, pour(10, 5),
         {3465, 70, 7875, 4.92, 5, 259, 12495, 7.81, 8, 411, 1732.5, 64.2, 0, 70,
          50, 25, 0.9, 0.07, 3.7, 0.11, 5.8, 0}},
        // 0.105 m³ in all: 32.55 kg is one bag; half a cubic metre is the least order.
        {"0.1 m³", kFirst, pour(0.1, 5),
         {33, 1, 88, 0.05, 0.5, 2.9, 117, 0.07, 0.5, 3.8, 16.3, 0.6, 0.1, 1,
          50, 25, 0.9, 0.08, 4.2, 0.11, 5.8, 129.03}},
        // 25 m³ with 10 % is 27.5 m³: exactly 165 bags and 16.5 m³ of sand, neither rounded up;
        // 20.625 m³ of stone is a tie shown as 20.62.
        {"exact multiple of a bag and of half a cubic metre", {300, 180, 960, 1200, 0}, pour(25, 10),
         {8250, 165, 26400, 16.5, 16.5, 868.4, 33000, 20.62, 21, 1085.5, 4950, 183.3, 0, 165,
          50, 30, 1.1, 0.1, 5.3, 0.13, 6.8, 0}},
    };
    // clang-format on
    for (const auto& row : rows) {
        const PourPlan p = planned(row.mix, row.settings);
        EXPECT_EQ(figures(p), row.want) << row.name;
        EXPECT_EQ(p.admixtureUsed, row.mix.admixture > 0) << row.name;
    }
}

TEST(PourPlan, TextsAsShown)
{
    const ResultTexts with = pourPlanTexts(planned(kFirst, pour(10, 5)));
    const std::pair<const char*, const char*> expected[] = {
        {"cementTotal", "3255  กก."},  {"cementBags", "66  ถุง"},
        {"sandVolume", "5.48  ลบ.ม."}, {"sandOrder", "5.5  ลบ.ม."},
        {"sandBaskets", "288.4  บุ้งกี๋"}, {"waterTotal", "1627.5  ลิตร"},
        {"waterPails", "60.3  ถัง"},    {"admixturePerBatch", "129.03  ซีซี"},
        {"batchesTotal", "66  ครั้ง"},
    };
    for (const auto& [control, text] : expected)
        EXPECT_EQ(with.at(control), text) << control;

    const ResultTexts without = pourPlanTexts(planned(kSecond, pour(10, 5)));
    EXPECT_EQ(without.at("admixtureTotal"), "ไม่ใส่น้ำยาผสมคอนกรีต");
    EXPECT_EQ(without.at("admixturePerBatch"), "");
    EXPECT_EQ(without.size(), with.size());
}

// A figure beyond what a number holds names the entry that drove it there, never shows "inf".
TEST(PourPlan, FigureTooLargeNamesItsEntry)
{
    const std::pair<PourSettings, Entry> rows[] = {
        {pour(1e307, 5), Entry::Volume},
        {pour(10, 5, 1e-320), Entry::BagKg},
        {pour(10, 5, 50, 1e-320), Entry::Basket},
        {pour(10, 5, 50, 0.019, 1e-320), Entry::Pail},
    };
    for (const auto& [settings, entry] : rows)
        EXPECT_EQ(std::get<EntryError>(planPour(kFirst, settings)), (EntryError{entry, EntryErrorKind::TooLarge}));
}

TEST(PourPlan, VolumePartsOfACubicMetre)
{
    // 99 + 190 + 301 + 410 fill the 1000 litres: no air.
    const auto parts = volumeParts(std::get<DesignNumbers>(computeDesign(firstExample())).design);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0].name, "ซีเมนต์");
    EXPECT_EQ(parts[0].litresText, "99  ลิตร");
    EXPECT_EQ(parts[3].name, "หิน");
    EXPECT_EQ(parts[3].litresText, "410  ลิตร");

    MixDesign short20;
    short20.VOLUM = 100;
    short20.W = 180;
    short20.SAND = 300;
    short20.VGRAVEL = 400;
    const auto withAir = volumeParts(short20);
    ASSERT_EQ(withAir.size(), 5u);
    EXPECT_EQ(withAir.back().name, "อากาศ");
    EXPECT_EQ(withAir.back().litres, 20);
}
