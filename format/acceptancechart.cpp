#include "format/acceptancechart.h"

#include "engine/texts/acceptancetexts.h"
#include "engine/texts/acceptancewords.h"
#include "engine/texts/resultwords.h"

#include <algorithm>
#include <cmath>

namespace format {
namespace {

using namespace mix::acceptancewords;

constexpr const char* kTestColour = "#1f4e79";
constexpr const char* kMeanColour = "#2e7d32";
constexpr const char* kAciColour = "#b00020";
constexpr const char* kAciSingleColour = "#8e24aa";
constexpr const char* kEnColour = "#e65100";
constexpr const char* kEnSingleColour = "#795548";

// A step of 1, 2, 2.5 or 5 times a power of ten giving four to eight ticks.
double tickStep(double span)
{
    const double power = std::pow(10.0, std::floor(std::log10(span / 5)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (span / (m * power) <= 8)
            return m * power;
    return 10 * power;
}

} // namespace

svg::Chart acceptanceChart(const mix::Acceptance& a)
{
    svg::Chart c;
    c.title = std::string(kChartTitle);
    c.xLabel = std::string(kChartX);
    c.yLabel = std::string(mix::resultwords::kUnitKgPerCm2.substr(2));
    const std::size_t n = a.tests.size();
    c.xMin = 0.5;
    c.xMax = double(std::max<std::size_t>(n, 3)) + 0.5;
    const std::size_t every = n <= 15 ? 1 : n <= 40 ? 5 : 10;
    for (std::size_t i = 1; i <= n; ++i)
        if (i == 1 || i % every == 0)
            c.xTicks.push_back(double(i));

    double low = std::min(a.aci318.singleLimitKsc, a.en206.singleLimitKsc);
    double high = a.en206.meanLimitKsc;
    for (const mix::TestResult& t : a.tests) {
        low = std::min(low, t.strengthKsc);
        high = std::max(high, t.strengthKsc);
    }
    const double step = tickStep(high - low);
    c.yMin = std::floor(low / step) * step - step;
    c.yMax = std::ceil(high / step) * step + step;
    for (double y = c.yMin; y <= c.yMax + step / 2; y += step)
        c.yTicks.push_back(y);

    svg::Series tests{{}, kTestColour, true, true, std::string(kChartTests)};
    for (std::size_t i = 0; i < n; ++i)
        tests.points.emplace_back(double(i + 1), a.tests[i].strengthKsc);
    svg::Series means{{}, kMeanColour, true, true, std::string(kChartMeans)};
    for (std::size_t i = 0; i < a.runningMeans.size(); ++i)
        means.points.emplace_back(double(i + 3), a.runningMeans[i]);
    c.series = {tests, means};

    // The limits are named in the legend, not at their ends: ACI's and EN's single-test limits lie
    // 0.5 MPa apart, and their labels would print over each other.
    const std::pair<double, const char*> limits[] = {{a.aci318.meanLimitKsc, kAciColour},
                                                     {a.aci318.singleLimitKsc, kAciSingleColour},
                                                     {a.en206.meanLimitKsc, kEnColour},
                                                     {a.en206.singleLimitKsc, kEnSingleColour}};
    const std::string names[] = {"f'c ", "ACI ", "EN ", "EN "};
    for (std::size_t i = 0; i < std::size(limits); ++i) {
        const auto [at, colour] = limits[i];
        c.rules.push_back({true, at, colour, "", i % 2 == 1});
        c.series.push_back({{}, colour, false, false, names[i] + mix::kscText(at)});
    }
    for (const std::size_t i : a.aci318.lowTests)
        c.markers.push_back({double(i + 1), a.tests[i].strengthKsc, kAciColour, ""});
    for (const std::size_t i : a.en206.lowTests)
        if (std::find(a.aci318.lowTests.begin(), a.aci318.lowTests.end(), i) == a.aci318.lowTests.end())
            c.markers.push_back({double(i + 1), a.tests[i].strengthKsc, kEnColour, ""});
    for (const std::size_t i : a.aci318.lowMeans)
        c.markers.push_back({double(i + 3), a.runningMeans[i], kAciColour, ""});
    for (const std::size_t i : a.en206.lowMeans)
        if (std::find(a.aci318.lowMeans.begin(), a.aci318.lowMeans.end(), i) == a.aci318.lowMeans.end())
            c.markers.push_back({double(i + 3), a.runningMeans[i], kEnColour, ""});
    return c;
}

std::string acceptanceChartSvg(const mix::Acceptance& a) { return svg::chartSvg(acceptanceChart(a)); }

} // namespace format
