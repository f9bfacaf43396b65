#include "engine/siterounding.h"

#include <gtest/gtest.h>

using namespace mix;

namespace {

// The rule a site engineer would state: by the last digit (unit 10) or the last two
// digits (unit 100), down, to the half step, or up.
int digitRule(int x, int unit)
{
    const int rest = x % unit;
    const int base = x - rest;
    if (rest * 10 < 3 * unit)
        return base;
    if (rest * 10 < 7 * unit)
        return base + unit / 2;
    return base + unit;
}

} // namespace

TEST(SiteRounding, NamedCases)
{
    struct Row {
        int x;
        int unit;
        int site;
    };
    for (const Row& r :
         {Row{242, 10, 240}, Row{243, 10, 245}, Row{245, 10, 245}, Row{246, 10, 245}, Row{247, 10, 250}, Row{0, 10, 0},
          Row{3, 10, 5}, Row{7, 10, 10}, Row{1229, 100, 1200}, Row{1230, 100, 1250}, Row{1269, 100, 1250},
          Row{1270, 100, 1300}, Row{29, 100, 0}, Row{30, 100, 50}, Row{70, 100, 100}, Row{778, 100, 800}})
        EXPECT_EQ(siteValue(r.x, siteCorrection(r.x, r.unit), r.unit), r.site) << r.x << " by " << r.unit;
}

TEST(SiteRounding, SingleStepsMatchTheDigitRuleForEverySixteenBitQuantity)
{
    for (int unit : {10, 100})
        for (int x = 0; x <= 32767; ++x)
            ASSERT_EQ(siteValue(x, siteCorrection(x, unit), unit), digitRule(x, unit)) << x << " by " << unit;
}

TEST(SiteRounding, CorrectionsAreStoredAsSingles)
{
    EXPECT_EQ(siteCorrection(311, 10), -0.1f);
    EXPECT_EQ(siteCorrection(798, 10), 0.19999999f);
    EXPECT_EQ(siteCorrection(1107, 10), 0.3f);
    EXPECT_NEAR(siteCorrection(778, 100), 0.22, 1e-6);
    EXPECT_EQ(siteCorrection(247, 10), 0.3f); // 1 - 0.7 in singles, not 0.5 - 0.69999...
}
