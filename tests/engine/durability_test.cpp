#include "engine/design.h"
#include "engine/durability.h"
#include "engine/exposure.h"
#include "tests/support/workedexamples.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace mix;

namespace {

const std::nullopt_t none = std::nullopt;

MixInputs withStrength(MixInputs in, const char* strength)
{
    in.strengthText = strength;
    return in;
}

std::string joined(const std::vector<DurabilityCheck>& checks)
{
    std::string out;
    for (const DurabilityCheck check : checks)
        out.append(out.empty() ? "" : "+").append(checkName(check));
    return out;
}

} // namespace

// Each class's limits as the two tables give them, its strength in kg/cm² worked by hand
// (MPa / 0.0980665, and for ACI on cubes / 0.833 too, to 2 decimals).
TEST(Exposure, EveryClassHasItsTablesLimits)
{
    struct Row {
        const char* code;
        const char* standard;
        std::optional<float> maxWc;
        std::optional<int> minCement;
        double cube, cylinder;
    };
    const Row rows[] = {
        {"X0", "EN 206", none, none, 152.96, 122.37},   {"XC1", "EN 206", 0.65f, 260, 254.93, 203.94},
        {"XC2", "EN 206", 0.60f, 280, 305.91, 254.93},  {"XC3", "EN 206", 0.55f, 280, 377.29, 305.91},
        {"XC4", "EN 206", 0.50f, 300, 377.29, 305.91},  {"XS1", "EN 206", 0.50f, 300, 377.29, 305.91},
        {"XS2", "EN 206", 0.45f, 320, 458.87, 356.9},   {"XS3", "EN 206", 0.45f, 340, 458.87, 356.9},
        {"XD1", "EN 206", 0.55f, 300, 377.29, 305.91},  {"XD2", "EN 206", 0.55f, 300, 377.29, 305.91},
        {"XD3", "EN 206", 0.45f, 320, 458.87, 356.9},   {"XA1", "EN 206", 0.55f, 300, 377.29, 305.91},
        {"XA2", "EN 206", 0.50f, 320, 377.29, 305.91},  {"XA3", "EN 206", 0.45f, 360, 458.87, 356.9},
        {"S0", "ACI 318", none, none, 208.11, 173.35},  {"S1", "ACI 318", 0.50f, none, 342.76, 285.52},
        {"S2", "ACI 318", 0.45f, none, 379.49, 316.11}, {"S3", "ACI 318", 0.40f, none, 428.45, 356.9},
        {"W0", "ACI 318", none, none, 208.11, 173.35},  {"W1", "ACI 318", none, none, 208.11, 173.35},
        {"W2", "ACI 318", 0.50f, none, 342.76, 285.52}, {"C0", "ACI 318", none, none, 208.11, 173.35},
        {"C1", "ACI 318", none, none, 208.11, 173.35},  {"C2", "ACI 318", 0.40f, none, 428.45, 356.9},
    };
    ASSERT_EQ(std::size(rows), kExposureTable.size());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        const auto exposure = exposureByCode(row.code);
        ASSERT_TRUE(exposure);
        const ExposureRule& rule = *exposureRule(*exposure);
        EXPECT_EQ(rule.code, row.code);
        EXPECT_EQ(standardName(rule.standard), row.standard);
        EXPECT_EQ(rule.maxWc, row.maxWc);
        EXPECT_EQ(rule.minCementKg, row.minCement);
        EXPECT_EQ(minimumStrength(rule, false), row.cube);
        EXPECT_EQ(minimumStrength(rule, true), row.cylinder);
        EXPECT_FALSE(rule.description.empty());
    }
    EXPECT_EQ(exposureByCode("xs3"), Exposure::XS3);
    for (const char* unknown : {"", "XC5", "X 0", "XF1", "none", "XC3 "})
        EXPECT_EQ(exposureByCode(unknown), none) << unknown;
    EXPECT_EQ(exposureRule(Exposure::None), nullptr);
}

// Worked by hand on the worked examples. Example 1 (cube, slump 10, stone 2, admixture:
// W 190) at 240: F 300, WA 0.61, cement 310. Example 2 (cylinder, slump 7.5, stone 1: W 180)
// at 240: F 348, WA 0.5476, cement 330. The least strength is the first whole strength from the
// class's minimum up whose w/c and cement meet it too.
TEST(Durability, VerdictAndLeastStrengthWorkedByHand)
{
    struct Row {
        const char* name;
        MixInputs inputs;
        const char* code;
        const char* fails;
        std::optional<int> least;
    };
    const MixInputs one = firstExample();
    const MixInputs two = secondExample();
    const Row rows[] = {
        // 0.61 > 0.55 and 240 < 377.29; 378: F 438, WA 0.442, cement 190 / 0.442 = 430.
        {"example 1, XC3", one, "XC3", "wc+strength", 378},
        // No w/c or cement limit, and 240 >= 208.11; 209 is the first whole strength above it.
        {"example 1, C1", one, "C1", "", 209},
        // 0.61 > 0.45, 310 < 340, 240 < 458.87, and 458.87 is past the 390 the method designs.
        {"example 1, XS3", one, "XS3", "wc+cement+strength", none},
        // w/c 0.40 is below the method's least, 0.43 at F 450.
        {"example 1, C2", one, "C2", "wc+strength", none},
        // 255: F 315, WA 0.5905, cement 190 / 0.5905 = 322 to site measures 320.
        {"example 1, XC1", one, "XC1", "strength", 255},
        // The strength at the minimum meets it; a hundredth below does not.
        {"example 1 at 254.93, XC1", withStrength(one, "254.93"), "XC1", "", 255},
        {"example 1 at 254.92, XC1", withStrength(one, "254.92"), "XC1", "strength", 255},
        {"example 2 at 173.35, C1", withStrength(two, "173.35"), "C1", "", 174},
        {"example 2 at 173.34, C1", withStrength(two, "173.34"), "C1", "strength", 174},
        // WA at the limit: F 430 gives (450 - 430) x 0.05 / 50 + 0.43 = 0.45 as a Single, which
        // meets 0.45; F 429 gives 0.451. Cement 190 / 0.45 = 422, to site measures 420.
        {"example 1 at 370, XS2", withStrength(one, "370"), "XS2", "strength", none},
        {"example 1 at 369, XS2", withStrength(one, "369"), "XS2", "wc+strength", none},
        // Cement at the minimum: 195 is F 255, WA 0.6865, 190 / 0.6865 = 277, to site measures
        // 280; 194 is F 254, WA 0.6882, 276, to site measures 275. 306: F 366, WA 0.5242.
        {"example 1 at 195, XC2", withStrength(one, "195"), "XC2", "wc+strength", 306},
        {"example 1 at 194, XC2", withStrength(one, "194"), "XC2", "wc+cement+strength", 306},
        // Cylinders in their own terms: 0.5476 <= 0.55, 330 >= 280, 240 < 305.91; 306 / 0.833
        // + 60 = 427, WA 0.453, cement 180 / 0.453 = 397, to site measures 400.
        {"example 2, XC3", two, "XC3", "strength", 306},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Design d = designOf({row.inputs, {}, *exposureByCode(row.code)});
        ASSERT_TRUE(d.result);
        ASSERT_TRUE(d.durability);
        EXPECT_EQ(joined(d.durability->fails), row.fails);
        EXPECT_EQ(d.durability->meets(), std::string(row.fails).empty());
        EXPECT_EQ(d.durability->leastStrength, row.least);
        // The batch's designs, without texts, are judged alike.
        EXPECT_EQ(designOf({row.inputs, {}, *exposureByCode(row.code)}, DesignTexts::NumbersOnly).durability,
                  d.durability);
    }
}

// No class, no verdict: the design is the one it always was. A refused design is judged
// against nothing, and the planner's keystrokes keep the verdict of the last Calculate.
TEST(Durability, OnlyForAnAcceptedDesignWithAClass)
{
    const Design plain = designOf({firstExample(), {}});
    EXPECT_FALSE(plain.durability);
    EXPECT_EQ(plain.durabilityText, DurabilityText{});

    const Design refused = designOf({withStrength(firstExample(), "10"), {}, Exposure::XC3});
    EXPECT_TRUE(refused.refusal);
    EXPECT_FALSE(refused.durability);

    const Design judged = designOf({firstExample(), {}, Exposure::XC3});
    EntryTexts pour;
    pour[size_t(Entry::Volume)] = "10";
    const Design poured = withPour(judged, pour);
    EXPECT_EQ(poured.entries.exposure, Exposure::XC3);
    EXPECT_EQ(poured.durability, judged.durability);
    EXPECT_EQ(poured.durabilityText, judged.durabilityText);
    EXPECT_TRUE(poured.plan);
}
