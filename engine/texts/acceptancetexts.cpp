#include "engine/texts/acceptancetexts.h"

#include "engine/numbers.h"
#include "engine/texts/acceptancewords.h"
#include "engine/texts/captionwords.h"
#include "engine/texts/resultwords.h"

#include <algorithm>
#include <string_view>

namespace mix {
namespace {

using namespace acceptancewords;
using resultwords::kUnitKgPerCm2;

std::string cat(std::initializer_list<std::string_view> parts)
{
    std::string out;
    for (const std::string_view part : parts)
        out.append(part);
    return out;
}

// A window of three by its tests, "2-4", or one test, "3".
std::string windowName(std::size_t first) { return std::to_string(first + 1) + "-" + std::to_string(first + 3); }
std::string testName(std::size_t at) { return std::to_string(at + 1); }

// Each low window or test with its figure, "2-4 (235.00)"; three or more in a row as one run with
// the lowest of them, "1-3 ถึง 28-30 (ต่ำสุด 236.67)", so a long series stays a line or two.
std::vector<std::string> lowItems(const std::vector<std::size_t>& low, const std::vector<double>& values,
                                  std::string (*name)(std::size_t))
{
    std::vector<std::string> items;
    for (std::size_t i = 0; i < low.size();) {
        std::size_t j = i;
        double lowest = values[low[i]];
        while (j + 1 < low.size() && low[j + 1] == low[j] + 1)
            lowest = std::min(lowest, values[low[++j]]);
        if (j - i >= 2) {
            items.push_back(name(low[i]) + std::string(kThrough) + name(low[j]) + " (" + std::string(kLowest) +
                            kscText(lowest) + ")");
            i = j + 1;
            continue;
        }
        for (; i <= j; ++i)
            items.push_back(name(low[i]) + " (" + kscText(values[low[i]]) + ")");
    }
    return items;
}

// The rule and its verdict; the low windows or tests follow, five to a line after the first four,
// so a long series still fits the sheet's width.
void ruleLines(std::vector<std::string>& out, std::string rule, const std::vector<std::string>& low)
{
    if (low.empty()) {
        out.push_back(rule.append(kMeetsAfter));
        return;
    }
    std::string line = rule.append(kLowAt);
    std::size_t onLine = 0;
    std::size_t perLine = 4;
    for (std::size_t i = 0; i < low.size(); ++i) {
        if (onLine == perLine) {
            out.push_back(line + ",");
            line = "      ";
            onLine = 0;
            perLine = 5;
        }
        line += (onLine == 0 ? "" : ", ") + low[i];
        ++onLine;
    }
    out.push_back(line);
}

std::vector<std::string> lowMeans(const Acceptance& a, const RuleVerdict& v)
{
    return lowItems(v.lowMeans, a.runningMeans, windowName);
}

std::vector<std::string> lowTests(const Acceptance& a, const RuleVerdict& v)
{
    std::vector<double> strengths;
    for (const TestResult& test : a.tests)
        strengths.push_back(test.strengthKsc);
    return lowItems(v.lowTests, strengths, testName);
}

bool contains(const std::vector<std::size_t>& list, std::size_t value)
{
    for (const std::size_t v : list)
        if (v == value)
            return true;
    return false;
}

} // namespace

std::string kscText(double ksc)
{
    std::string text = formatDouble(shownKsc(ksc));
    const auto point = text.find('.');
    if (point == std::string::npos)
        return text + ".00";
    return text.append(2 - (text.size() - point - 1), '0');
}

AcceptanceText acceptanceText(const Acceptance& a)
{
    AcceptanceText t;
    t.title = kTitle;
    t.specified = cat({kSpecified, kscText(a.specifiedKsc), kUnitKgPerCm2, resultwords::kSpecimen,
                       a.specimen == Specimen::Cube ? captionOf("Check1") : captionOf("Check2")});
    t.statistics = cat({kTests, std::to_string(a.tests.size()), kTestCount, kMean, kscText(a.meanKsc), kSd,
                        a.sdKsc ? kscText(*a.sdKsc) : std::string(kNoSd), kMin, kscText(a.minKsc), kUnitKgPerCm2});
    t.testsHeading = kTestList;
    for (std::size_t i = 0; i < a.tests.size(); ++i) {
        const TestResult& test = a.tests[i];
        std::string line = cat({std::to_string(i + 1), ". ", test.sample, "  ", kscText(test.strengthKsc), "  (",
                                std::to_string(test.specimens), kSpecimens});
        if (!test.date.empty())
            line.append("  ").append(test.date);
        const bool aciLow = contains(a.aci318.lowTests, i);
        const bool enLow = contains(a.en206.lowTests, i);
        if (aciLow || enLow)
            line.append(kLow).append(aciLow && enLow ? "ACI 318, EN 206" : aciLow ? "ACI 318" : "EN 206");
        t.tests.push_back(std::move(line));
    }
    if (!a.otherAges.empty())
        t.otherAgesHeading = kOtherAges;
    for (const StrengthRow& row : a.otherAges) {
        std::string line = cat({row.sample, kAge, formatDouble(row.ageDays), kDays, "  ", kscText(row.strengthKsc)});
        if (!row.date.empty())
            line.append("  ").append(row.date);
        t.otherAges.push_back(std::move(line));
    }

    const bool tooFew = a.tests.size() < 3;
    const auto meansRule = [&](std::vector<std::string>& out, std::string_view rule, const RuleVerdict& v,
                               std::string_view how) {
        const std::string text = cat({rule, kscText(v.meanLimitKsc), how});
        if (tooFew)
            out.push_back(text + std::string(kTooFewForMeans));
        else
            ruleLines(out, text, lowMeans(a, v));
    };
    const bool upTo35 = a.specifiedKsc * kMpaPerKsc <= 35;
    t.aciHeading = cat({kAciHeading, a.aci318.meets ? kMeets : kFails});
    meansRule(t.aci, kAciMeans, a.aci318, " (f'c)");
    ruleLines(t.aci, cat({kAciSingle, kscText(a.aci318.singleLimitKsc), upTo35 ? " (f'c - 3.5 MPa)" : " (0.90 f'c)"}),
              lowTests(a, a.aci318));
    t.enHeading = cat({kEnHeading, a.en206.meets ? kMeets : kFails});
    meansRule(t.en, kEnMeans, a.en206, " (f'c + 4 MPa)");
    ruleLines(t.en, cat({kEnSingle, kscText(a.en206.singleLimitKsc), " (f'c - 4 MPa)"}), lowTests(a, a.en206));

    t.required = cat({kRequired, kscText(a.requiredAverageKsc), kUnitKgPerCm2});
    if (a.kFactor) {
        t.requiredBasis = cat({kFromSd, std::to_string(a.tests.size()), kTestCount, ": ", kscText(*a.sdKsc), " x ",
                               kscText(*a.kFactor), " = ", kscText(*a.sdKsc * *a.kFactor), kUnitKgPerCm2});
    } else {
        const double mpa = a.specifiedKsc * kMpaPerKsc;
        t.requiredBasis = cat({kFromTable, mpa < 21 ? ": f'c + 7.0 MPa"
                                           : upTo35 ? ": f'c + 8.3 MPa"
                                                    : ": 1.10 f'c + 5.0 MPa"});
    }
    t.marginAdvice.push_back(
        cat({kMargin, kscText(a.designMarginKsc), kUnitKgPerCm2, a.designMarginEnough ? kMarginEnough : kMarginShort,
             kscText(a.requiredMarginKsc), kUnitKgPerCm2}));
    if (!a.designMarginEnough)
        t.marginAdvice.push_back(
            cat({kRaiseStrength, kscText(a.requiredMarginKsc - a.designMarginKsc), kUnitKgPerCm2, kOrSteadier}));
    return t;
}

} // namespace mix
