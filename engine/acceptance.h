#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace mix {

// Strength results judged after the pour: the lab's sheet is a second record beside the design's
// entries, read by the same roads (one reader, one judgement, the format layer's outputs).

enum class Specimen { Cube, Cylinder };

// One specimen crushed, one row of the lab's sheet.
struct StrengthRow {
    std::string sample;
    double strengthKsc = 0;
    double ageDays = 28;
    std::string date;
    long line = 0; // the sheet's line it was read from, 0 when typed

    bool operator==(const StrengthRow&) const = default;
};

// The mean of the 28-day specimens of one sample.
struct TestResult {
    std::string sample;
    double strengthKsc = 0;
    int specimens = 0;
    std::string date; // the first date given among its 28-day specimens
};

// One rule set's verdict. Indexes count into Acceptance::tests from 0; a low mean is named by
// the first test of its window of three.
struct RuleVerdict {
    bool meets = true;
    double meanLimitKsc = 0;
    double singleLimitKsc = 0;
    std::vector<std::size_t> lowMeans;
    std::vector<std::size_t> lowTests;
};

struct Acceptance {
    double specifiedKsc = 0;
    Specimen specimen = Specimen::Cube;
    std::vector<TestResult> tests;
    std::vector<StrengthRow> otherAges; // listed, never judged
    double meanKsc = 0;
    std::optional<double> sdKsc; // from two tests on
    double minKsc = 0;
    std::vector<double> runningMeans; // of tests i, i+1, i+2 at i; empty below three tests
    RuleVerdict aci318;               // 26.12.3.1 (a) means, (b) single tests
    RuleVerdict en206;                // initial production
    // The strength the mix must average, and how it was found: from the site's own spread
    // (15 tests or more, s times k) or from the table for a site without a record.
    double requiredAverageKsc = 0;
    std::optional<double> kFactor;
    double requiredMarginKsc = 0;
    double designMarginKsc = 0; // what the method adds, in the tested specimen's terms
    bool designMarginEnough = false;
};

inline constexpr double kMpaPerKsc = 0.0980665;

// `rows` must hold at least one 28-day specimen (the sheet's reader refuses a sheet without);
// samples count in the order they first appear on it.
Acceptance judgeResults(double specifiedKsc, Specimen specimen, const std::vector<StrengthRow>& rows);

// The value every figure is shown at: 2 decimals, half to even.
double shownKsc(double ksc);

} // namespace mix
