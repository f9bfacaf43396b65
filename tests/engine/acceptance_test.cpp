#include "engine/acceptance.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using mix::Specimen;

namespace {

std::vector<mix::StrengthRow> oneSpecimenEach(const std::vector<double>& tests)
{
    std::vector<mix::StrengthRow> rows;
    for (size_t i = 0; i < tests.size(); ++i)
        rows.push_back({"S" + std::to_string(i + 1), tests[i], 28, "", long(i + 2)});
    return rows;
}

std::vector<double> repeated(std::initializer_list<std::pair<int, double>> runs)
{
    std::vector<double> out;
    for (const auto& [count, value] : runs)
        out.insert(out.end(), size_t(count), value);
    return out;
}

std::vector<double> alternating(int pairs, double first, double second)
{
    std::vector<double> out;
    for (int i = 0; i < pairs; ++i)
        out.insert(out.end(), {first, second});
    return out;
}

using Indexes = std::vector<size_t>;

} // namespace

// Series worked by hand (1 kg/cm² = 0.0980665 MPa: 3.5 MPa = 35.69, 4 MPa = 40.79, 8.3 MPa = 84.64,
// 7.0 MPa = 71.38, 5.0 MPa = 50.99 kg/cm²), every figure as shown, to 2 decimals.
TEST(Acceptance, HandWorkedSeries)
{
    struct Case {
        const char* what;
        double fc;
        Specimen specimen;
        std::vector<double> tests;
        double mean;
        std::optional<double> sd;
        double min;
        bool aciMeets;
        Indexes aciLowMeans, aciLowTests;
        double aciSingle;
        bool enMeets;
        size_t enLowMeanCount;
        Indexes enLowTests;
        double enMean, enSingle;
        std::optional<double> k;
        double required, requiredMargin, designMargin;
        bool enough;
    };
    const Case cases[] = {
        // (230 + 235 + 245) / 3 = 236.67 < 240; (235 + 245 + 250) / 3 = 243.33. sd = √(250 / 3).
        {"low average",
         240,
         Specimen::Cube,
         {230, 235, 245, 250},
         240.00,
         9.13,
         230,
         false,
         {0},
         {},
         204.31,
         false,
         2,
         {},
         280.79,
         199.21,
         {},
         324.64,
         84.64,
         60,
         false},
        // 203 < 240 − 35.69 = 204.31, yet above EN's 240 − 40.79 = 199.21.
        {"low single test",
         240,
         Specimen::Cube,
         {300, 300, 203, 300},
         275.75,
         48.50,
         203,
         false,
         {},
         {2},
         204.31,
         false,
         2,
         {},
         280.79,
         199.21,
         {},
         324.64,
         84.64,
         60,
         false},
        // 204.48 + 199.05 + 198.57 = 602.10 = 3 × 200.7, which doubles make 200.69999999999996.
        // Below 21 MPa the table adds 7.0 MPa.
        {"average exactly at f'c",
         200.7,
         Specimen::Cube,
         {204.48, 199.05, 198.57},
         200.70,
         3.28,
         198.57,
         true,
         {},
         {},
         165.01,
         false,
         1,
         {},
         241.49,
         159.91,
         {},
         272.08,
         71.38,
         60,
         false},
        // Two tests: the means are not judged, only each test.
        {"two tests, one low",
         240,
         Specimen::Cube,
         {250, 203},
         226.50,
         33.23,
         203,
         false,
         {},
         {1},
         204.31,
         true,
         0,
         {},
         280.79,
         199.21,
         {},
         324.64,
         84.64,
         60,
         false},
        {"two tests below f'c on average",
         240,
         Specimen::Cube,
         {230, 235},
         232.50,
         3.54,
         230,
         true,
         {},
         {},
         204.31,
         true,
         0,
         {},
         280.79,
         199.21,
         {},
         324.64,
         84.64,
         60,
         false},
        {"one test, no spread",
         240,
         Specimen::Cube,
         {251},
         251,
         {},
         251,
         true,
         {},
         {},
         204.31,
         true,
         0,
         {},
         280.79,
         199.21,
         {},
         324.64,
         84.64,
         60,
         false},
        // 400 kg/cm² = 39.23 MPa: 0.90 f'c = 360 below; f'cr = 1.10 × 400 + 50.99; a cylinder's margin is
        // 60 × 0.833. 411 and 427.67 are the means.
        {"cylinder above 35 MPa",
         400,
         Specimen::Cylinder,
         {420, 455, 358, 470},
         425.75,
         49.79,
         358,
         false,
         {},
         {2},
         360,
         false,
         2,
         {2},
         440.79,
         359.21,
         {},
         490.99,
         90.99,
         49.98,
         false},
        // s = 10 exactly (14 deviations of 10, one of 0); k = 1.16, s' = 11.6: 240 + 1.34 × 11.6.
        {"15 tests",
         240,
         Specimen::Cube,
         repeated({{7, 280}, {7, 260}, {1, 270}}),
         270,
         10,
         260,
         true,
         {},
         {},
         204.31,
         false,
         13,
         {},
         280.79,
         199.21,
         1.16,
         255.54,
         15.54,
         60,
         true},
        // s = 40 √(22/21) = 40.94; k = 1.08 + 2/5 × (1.03 − 1.08) = 1.06, s' = 43.40;
        // 240 + 2.33 s' − 35.69 = 305.43 beats 240 + 1.34 s' = 298.15.
        {"22 tests",
         240,
         Specimen::Cube,
         alternating(11, 340, 260),
         300,
         40.94,
         260,
         true,
         {},
         {},
         204.31,
         true,
         0,
         {},
         280.79,
         199.21,
         1.06,
         305.43,
         65.43,
         60,
         false},
        // s = 10 √(30/29) = 10.17, k = 1: 240 + 1.34 × 10.17 = 253.63.
        {"30 tests",
         240,
         Specimen::Cube,
         alternating(15, 280, 260),
         270,
         10.17,
         260,
         true,
         {},
         {},
         204.31,
         false,
         28,
         {},
         280.79,
         199.21,
         1.00,
         253.63,
         13.63,
         60,
         true},
    };
    for (const Case& c : cases) {
        const mix::Acceptance a = mix::judgeResults(c.fc, c.specimen, oneSpecimenEach(c.tests));
        SCOPED_TRACE(c.what);
        EXPECT_EQ(a.tests.size(), c.tests.size());
        EXPECT_EQ(mix::shownKsc(a.meanKsc), c.mean);
        EXPECT_EQ(a.sdKsc.has_value(), c.sd.has_value());
        if (a.sdKsc && c.sd) {
            EXPECT_EQ(mix::shownKsc(*a.sdKsc), *c.sd);
        }
        EXPECT_EQ(mix::shownKsc(a.minKsc), c.min);
        EXPECT_EQ(a.aci318.meets, c.aciMeets);
        EXPECT_EQ(a.aci318.lowMeans, c.aciLowMeans);
        EXPECT_EQ(a.aci318.lowTests, c.aciLowTests);
        EXPECT_EQ(a.aci318.meanLimitKsc, c.fc);
        EXPECT_EQ(mix::shownKsc(a.aci318.singleLimitKsc), c.aciSingle);
        EXPECT_EQ(a.en206.meets, c.enMeets);
        EXPECT_EQ(a.en206.lowMeans.size(), c.enLowMeanCount);
        EXPECT_EQ(a.en206.lowTests, c.enLowTests);
        EXPECT_EQ(mix::shownKsc(a.en206.meanLimitKsc), c.enMean);
        EXPECT_EQ(mix::shownKsc(a.en206.singleLimitKsc), c.enSingle);
        EXPECT_EQ(a.kFactor.has_value(), c.k.has_value());
        if (a.kFactor && c.k) {
            EXPECT_EQ(mix::shownKsc(*a.kFactor), *c.k);
        }
        EXPECT_EQ(mix::shownKsc(a.requiredAverageKsc), c.required);
        EXPECT_EQ(mix::shownKsc(a.requiredMarginKsc), c.requiredMargin);
        EXPECT_EQ(mix::shownKsc(a.designMarginKsc), c.designMargin);
        EXPECT_EQ(a.designMarginEnough, c.enough);
    }
}

// A test is the mean of one sample's 28-day specimens; samples count where they first appear,
// whatever the age of that row, and rows of other ages are kept aside, not judged.
TEST(Acceptance, SpecimensMakeTestsInOrderOfFirstAppearance)
{
    const std::vector<mix::StrengthRow> rows = {
        {"B", 170, 7, "2025-01-01", 2},
        {"A", 250, 28, "2025-01-05", 3},
        {"B", 230, 28, "2025-01-06", 4},
        {"A", 246, 28, "", 5},
        {"C", 180, 7, "", 6},
        {"B", 233, 28, "", 7},
    };
    const mix::Acceptance a = mix::judgeResults(240, Specimen::Cube, rows);
    ASSERT_EQ(a.tests.size(), 2u);
    EXPECT_EQ(a.tests[0].sample, "B");
    EXPECT_EQ(a.tests[0].strengthKsc, 231.5);
    EXPECT_EQ(a.tests[0].specimens, 2);
    EXPECT_EQ(a.tests[0].date, "2025-01-06");
    EXPECT_EQ(a.tests[1].sample, "A");
    EXPECT_EQ(a.tests[1].strengthKsc, 248);
    EXPECT_EQ(a.tests[1].specimens, 2);
    ASSERT_EQ(a.otherAges.size(), 2u);
    EXPECT_EQ(a.otherAges[0].line, 2);
    EXPECT_EQ(a.otherAges[1].sample, "C");
}
