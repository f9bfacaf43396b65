#include "engine/design.h"
#include "engine/entries.h"
#include "tests/support/workedexamples.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mix;

namespace {

const std::nullopt_t none = std::nullopt;

EntryTexts texts(std::initializer_list<std::pair<Entry, std::string>> given)
{
    EntryTexts t;
    for (const auto& [entry, text] : given)
        t[size_t(entry)] = text;
    return t;
}

} // namespace

// Every entry by its one rule, with the Thai message each refusal shows beside its field.
TEST(Entries, EachBadEntryNamesItsFieldWithAShortMessage)
{
    const std::string huge(400, '9');
    const std::tuple<Entry, std::string, const char*> rows[] = {
        {Entry::Volume, "1.2.3", "ไม่ใช่ตัวเลขที่ถูกต้อง"},
        {Entry::Volume, "0.000", "ต้องมากกว่า 0"},
        {Entry::Volume, "0.0099", "ต้องไม่น้อยกว่า 0.01"},
        {Entry::Volume, "0.01", ""},
        {Entry::Volume, "1000000", ""},
        {Entry::Volume, "1000000.1", "มากเกินไปจนคำนวณไม่ได้"},
        {Entry::Volume, huge, "มากเกินไปจนคำนวณไม่ได้"},
        {Entry::Waste, "50", ""},
        {Entry::Waste, "50.01", "ต้องอยู่ระหว่าง 0-50"},
        {Entry::BagKg, "40", ""},
        {Entry::BagKg, "50.0", ""},
        {Entry::BagKg, "45", "ต้องเป็น 50 หรือ 40 กก."},
        {Entry::BagKg, "0", "ต้องเป็น 50 หรือ 40 กก."},
        {Entry::Basket, "0", "ต้องมากกว่า 0"},
        {Entry::Basket, "0.0009", "ต้องไม่น้อยกว่า 0.001"},
        {Entry::Pail, "0.0", "ต้องมากกว่า 0"},
        {Entry::Pail, "0.09", "ต้องไม่น้อยกว่า 0.1"},
        {Entry::Pail, "0.1", ""},
        {Entry::BagsPerBatch, "2.0", ""},
        {Entry::BagsPerBatch, "1.5", "ต้องเป็น 1, 2, 3, ... ถุง"},
        {Entry::BagsPerBatch, "0", "ต้องเป็น 1, 2, 3, ... ถุง"},
        {Entry::BagsPerBatch, "40000", "มากเกินไปจนคำนวณไม่ได้"},
        {Entry::PriceCement, "-5", "ไม่ใช่ตัวเลขที่ถูกต้อง"},
        {Entry::PriceSand, "4,500", "ไม่ใช่ตัวเลขที่ถูกต้อง"},
        {Entry::PriceStone, "1.2.3", "ไม่ใช่ตัวเลขที่ถูกต้อง"},
        {Entry::PriceAdmixture, "abc", "ไม่ใช่ตัวเลขที่ถูกต้อง"},
        {Entry::PriceReadymix, "10000000.01", "ต้องไม่เกิน 10000000 บาท"},
        {Entry::PriceReadymix, huge, "ต้องไม่เกิน 10000000 บาท"},
        {Entry::PriceCement, "10000000", ""},
        {Entry::PriceCement, "0", ""},
    };
    for (const auto& [entry, text, message] : rows) {
        const auto r = readEntry(entry, text);
        if (*message == '\0')
            EXPECT_TRUE(std::holds_alternative<std::optional<double>>(r)) << text;
        else if (const auto* error = std::get_if<EntryError>(&r))
            EXPECT_EQ(entryErrorMessage(*error), message) << text.substr(0, 12);
        else
            ADD_FAILURE() << "accepted " << text.substr(0, 12);
    }
    // Empty is no value: the default, or no pour, or no price.
    for (const auto& row : kEntryTable)
        EXPECT_EQ(std::get<std::optional<double>>(readEntry(row.entry, "")), none) << row.key;
}

TEST(Entries, ReadingAllOfThem)
{
    const EntryReading good = readEntries(texts({{Entry::Volume, "10"},
                                                 {Entry::Waste, "5"},
                                                 {Entry::BagKg, "40"},
                                                 {Entry::Basket, "0.025"},
                                                 {Entry::Pail, "20"},
                                                 {Entry::BagsPerBatch, "2"},
                                                 {Entry::PriceCement, "120"},
                                                 {Entry::PriceReadymix, "2100.5"}}));
    EXPECT_EQ(good.settings, (PourSettings{10, 5, 40, 0.025, 20, 2}));
    EXPECT_EQ(good.prices, (PourPrices{120, none, none, none, 2100.5}));
    EXPECT_TRUE(good.errors.empty());

    // Empty entries stand for the site's usual measures; nothing to plan without a volume.
    EXPECT_EQ(readEntries(texts({{Entry::Volume, "3"}})).settings, (PourSettings{3, 5, 50, 0.019, 27, 1}));
    const EntryReading noVolume = readEntries(texts({{Entry::Waste, "5"}}));
    EXPECT_TRUE(noVolume.errors.empty());
    EXPECT_FALSE(noVolume.settings);

    // A bad price leaves the pour planned; a bad pour entry leaves nothing to plan.
    const EntryReading bad = readEntries(texts({{Entry::Volume, "0"},
                                                {Entry::Basket, "x"},
                                                {Entry::BagsPerBatch, "0.5"},
                                                {Entry::PriceSand, "x"},
                                                {Entry::PriceAdmixture, "1e3"}}));
    EXPECT_FALSE(bad.settings);
    EXPECT_EQ(bad.errors, (std::vector<EntryError>{{Entry::Volume, EntryErrorKind::MoreThanZero},
                                                   {Entry::Basket, EntryErrorKind::NotANumber},
                                                   {Entry::BagsPerBatch, EntryErrorKind::WholeBags},
                                                   {Entry::PriceSand, EntryErrorKind::NotANumber},
                                                   {Entry::PriceAdmixture, EntryErrorKind::NotANumber}}));
    EXPECT_TRUE(readEntries(texts({{Entry::Volume, "2"}, {Entry::PriceSand, "x"}})).settings);
}

TEST(Entries, KeysFindTheirRows)
{
    const std::pair<const char*, std::optional<Entry>> rows[] = {
        {"volume", Entry::Volume},
        {"bag_kg", Entry::BagKg},
        {"bags_per_batch", Entry::BagsPerBatch},
        {"price_readymix", Entry::PriceReadymix},
        {"strength", none},
        {"", none},
    };
    for (const auto& [key, entry] : rows)
        EXPECT_EQ(entryByKey(key), entry) << key;
}

// The one design value: computed once, the pour and its cost only for an accepted design.
TEST(Design, ComputedOnceFromOneRecord)
{
    Entries entries{firstExample(), texts({{Entry::Volume, "10"}, {Entry::PriceCement, "128.5"}})};
    const Design d = designOf(entries);
    ASSERT_TRUE(d.result);
    ASSERT_TRUE(d.plan);
    EXPECT_EQ(d.plan->cementBags, 66);
    ASSERT_TRUE(d.cost);
    EXPECT_EQ(d.cost->cement, 8481.0);
    EXPECT_EQ(d.pourTexts.at("cementBags"), "66  ถุง");
    EXPECT_FALSE(d.costText.lines.empty());

    // The per-bag batch is the pour's batch at the usual measures.
    EXPECT_EQ(d.result->numbers.perBag.water, 25);
    EXPECT_EQ(d.result->numbers.perBag.sandBaskets, 4.2); // 50 / 310 × 835 / 1600 = 0.08 m³, / 0.019

    entries.design.strengthText = "";
    const Design refused = designOf(entries);
    EXPECT_FALSE(refused.result);
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(refused.refusal->kind, ErrorKind::Incomplete);
    EXPECT_FALSE(refused.plan);

    // The planner follows its entries on the last accepted design; a numbers-only design for
    // the batch CSV writes no texts.
    const Design replanned = withPour(d, texts({{Entry::Volume, "20"}}));
    EXPECT_EQ(replanned.plan->cementBags, 131);
    EXPECT_FALSE(replanned.cost);

    // One batch needs no volume, and a bad waste leaves it standing; a price being mended
    // leaves the plan but no cost of the others.
    const Design batchOnly = withPour(d, texts({{Entry::Waste, "x"}, {Entry::BagsPerBatch, "2"}}));
    EXPECT_FALSE(batchOnly.plan);
    ASSERT_TRUE(batchOnly.batch);
    EXPECT_EQ(batchOnly.batch->cementKg, 100);
    EXPECT_EQ(batchOnly.pourTexts.at("cementPerBatch"), "100  กก.");
    EXPECT_EQ(batchOnly.pourTexts.at("cementBags"), "");
    EXPECT_FALSE(withPour(d, texts({{Entry::Basket, "0"}})).batch);
    const Design mending =
        withPour(d, texts({{Entry::Volume, "10"}, {Entry::PriceCement, "128.5"}, {Entry::PriceSand, "."}}));
    EXPECT_TRUE(mending.plan);
    EXPECT_FALSE(mending.cost);
    EXPECT_TRUE(mending.costText.lines.empty());
    const Design bare = designOf({firstExample(), texts({{Entry::Volume, "10"}})}, DesignTexts::NumbersOnly);
    EXPECT_EQ(bare.result->texts.size(), 0u);
    EXPECT_EQ(bare.plan->cementBags, 66);
    EXPECT_EQ(bare.pourTexts.size(), 0u);

    // A design text longer than anyone types is too large, once the rest is complete.
    Entries longStrength{firstExample(), {}};
    longStrength.design.strengthText = std::string(300, '1');
    EXPECT_EQ(designOf(longStrength).refusal->kind, ErrorKind::Overflow);
}
