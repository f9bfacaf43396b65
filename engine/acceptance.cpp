#include "engine/acceptance.h"

#include "engine/numbers.h"

#include <algorithm>
#include <cmath>

namespace mix {
namespace {

double ksc(double mpa) { return mpa / kMpaPerKsc; }

// The lab's figures are decimals of a few places; a mean that equals a limit on paper may land
// a few ulps below it in binary, and must still meet it.
bool atLeast(double value, double limit) { return value >= limit - 1e-9 * std::max(1.0, std::fabs(limit)); }

// ACI 301's modification factor for a record of 15 to 29 tests, straight between the tabled counts.
double kFactorOf(std::size_t n)
{
    constexpr std::pair<double, double> table[] = {{15, 1.16}, {20, 1.08}, {25, 1.03}, {30, 1.00}};
    const double tests = static_cast<double>(n);
    if (tests >= 30)
        return 1.00;
    for (std::size_t i = 0; i + 1 < std::size(table); ++i) {
        const auto [n0, k0] = table[i];
        const auto [n1, k1] = table[i + 1];
        if (tests <= n1)
            return k0 + (tests - n0) / (n1 - n0) * (k1 - k0);
    }
    return 1.00;
}

std::vector<TestResult> testsOf(const std::vector<StrengthRow>& rows, std::vector<StrengthRow>& otherAges)
{
    // Samples in the order they first appear, whatever the age of that first row.
    std::vector<std::string> order;
    for (const StrengthRow& row : rows)
        if (std::find(order.begin(), order.end(), row.sample) == order.end())
            order.push_back(row.sample);
    std::vector<TestResult> tests;
    for (const std::string& sample : order) {
        TestResult test{sample, 0, 0, {}};
        double sum = 0;
        for (const StrengthRow& row : rows) {
            if (row.sample != sample || row.ageDays != 28)
                continue;
            sum += row.strengthKsc;
            ++test.specimens;
            if (test.date.empty())
                test.date = row.date;
        }
        if (test.specimens == 0)
            continue;
        test.strengthKsc = sum / test.specimens;
        tests.push_back(std::move(test));
    }
    for (const StrengthRow& row : rows)
        if (row.ageDays != 28)
            otherAges.push_back(row);
    return tests;
}

RuleVerdict verdict(const std::vector<TestResult>& tests, const std::vector<double>& means, double meanLimit,
                    double singleLimit)
{
    RuleVerdict v;
    v.meanLimitKsc = meanLimit;
    v.singleLimitKsc = singleLimit;
    for (std::size_t i = 0; i < means.size(); ++i)
        if (!atLeast(means[i], meanLimit))
            v.lowMeans.push_back(i);
    for (std::size_t i = 0; i < tests.size(); ++i)
        if (!atLeast(tests[i].strengthKsc, singleLimit))
            v.lowTests.push_back(i);
    v.meets = v.lowMeans.empty() && v.lowTests.empty() && !tests.empty();
    return v;
}

} // namespace

double shownKsc(double value) { return roundHalfEven(value, 2); }

Acceptance judgeResults(double fc, Specimen specimen, const std::vector<StrengthRow>& rows)
{
    Acceptance a;
    a.specifiedKsc = fc;
    a.specimen = specimen;
    a.tests = testsOf(rows, a.otherAges);
    const std::size_t n = a.tests.size();
    if (n > 0) {
        double sum = 0;
        a.minKsc = a.tests.front().strengthKsc;
        for (const TestResult& t : a.tests) {
            sum += t.strengthKsc;
            a.minKsc = std::min(a.minKsc, t.strengthKsc);
        }
        a.meanKsc = sum / static_cast<double>(n);
    }
    if (n >= 2) {
        double squares = 0;
        for (const TestResult& t : a.tests)
            squares += (t.strengthKsc - a.meanKsc) * (t.strengthKsc - a.meanKsc);
        a.sdKsc = std::sqrt(squares / static_cast<double>(n - 1));
    }
    // Overlapping windows of three; with fewer tests only the single-test rules apply.
    for (std::size_t i = 0; i + 2 < n; ++i)
        a.runningMeans.push_back((a.tests[i].strengthKsc + a.tests[i + 1].strengthKsc + a.tests[i + 2].strengthKsc) /
                                 3);

    // ACI's limits change at 35 MPa; the rules are read in the tested specimen's own terms.
    const double fcMpa = fc * kMpaPerKsc;
    const bool upTo35 = fcMpa <= 35;
    a.aci318 = verdict(a.tests, a.runningMeans, fc, upTo35 ? fc - ksc(3.5) : 0.90 * fc);
    a.en206 = verdict(a.tests, a.runningMeans, fc + ksc(4), fc - ksc(4));

    if (n >= 15 && a.sdKsc) {
        a.kFactor = kFactorOf(n);
        const double s = *a.sdKsc * *a.kFactor;
        a.requiredAverageKsc =
            upTo35 ? std::max(fc + 1.34 * s, fc + 2.33 * s - ksc(3.5)) : std::max(fc + 1.34 * s, 0.90 * fc + 2.33 * s);
    } else if (fcMpa < 21) {
        a.requiredAverageKsc = fc + ksc(7.0);
    } else if (upTo35) {
        a.requiredAverageKsc = fc + ksc(8.3);
    } else {
        a.requiredAverageKsc = 1.10 * fc + ksc(5.0);
    }
    a.requiredMarginKsc = a.requiredAverageKsc - fc;
    // The method adds 60 to the cube strength; a cylinder's is 0.833 of it.
    a.designMarginKsc = specimen == Specimen::Cube ? 60 : 60 * 0.833;
    a.designMarginEnough = atLeast(a.designMarginKsc, a.requiredMarginKsc);
    return a;
}

} // namespace mix
