#include "format/durabilitychart.h"

#include "engine/design.h"
#include "engine/numbers.h"
#include "engine/proportioning.h"
#include "engine/texts/exposurewords.h"
#include "format/svgchart.h"

#include <string_view>

namespace format {
namespace {

constexpr const char* kMethodColour = "#1f4e79";
constexpr const char* kLimitColour = "#b00020";
constexpr const char* kLeastColour = "#2e7d32";

// The method's ratio for a strength typed on the design's specimen, through the method's own
// margin and cylinder conversion; empty where it designs nothing.
std::optional<float> methodRatio(const mix::MixInputs& in, double strength)
{
    mix::MixInputs tried = in;
    tried.strengthText = mix::formatDouble(strength);
    const auto F = mix::designStrength(tried);
    if (const auto* f = std::get_if<std::int16_t>(&F))
        return mix::waterCementRatio(*f);
    return std::nullopt;
}

} // namespace

std::string durabilityChartSvg(const mix::Design& design)
{
    using namespace mix::exposurewords;
    if (!design.durability || !design.result)
        return {};
    const mix::Durability& d = *design.durability;
    const mix::ExposureRule& rule = *mix::exposureRule(d.exposure);
    const mix::MixInputs& in = design.inputs();
    const mix::StrengthRange range = mix::acceptedStrengths(in.cylinderChecked);

    svg::Chart c;
    c.title = std::string(kChartTitle) + "  " + std::string(rule.code) + " (" +
              std::string(mix::standardName(rule.standard)) + ")";
    c.xLabel = std::string(kChartXLabel) + std::string(design.result->texts.at("specimenNote"));
    c.yLabel = kChartYLabel;
    c.xMin = range.least;
    c.xMax = range.most;
    c.yMin = 0.35;
    c.yMax = 0.95;
    for (int tick = 100; tick <= range.most; tick += 50)
        c.xTicks.push_back(tick);
    c.yTicks = {0.4, 0.5, 0.6, 0.7, 0.8, 0.9};

    svg::Series method;
    method.colour = kMethodColour;
    method.label = kChartMethod;
    for (int strength = range.least; strength <= range.most; ++strength)
        if (const auto wc = methodRatio(in, strength))
            method.points.emplace_back(strength, *wc);
    c.series.push_back(std::move(method));

    if (rule.maxWc)
        c.rules.push_back({true, *rule.maxWc, kLimitColour, std::string(kChartMaxWc) + mix::formatSingle(*rule.maxWc)});
    if (d.minStrength <= range.most)
        c.rules.push_back(
            {false, d.minStrength, kLimitColour, std::string(kChartMinStrength) + mix::formatDouble(d.minStrength)});

    const auto typed = mix::parseNumber(in.strengthText);
    c.markers.push_back(
        {typed.value_or(0), design.result->numbers.design.WA, "#000000", std::string(kChartDesign) + in.strengthText});
    if (d.leastStrength)
        if (const auto wc = methodRatio(in, *d.leastStrength))
            c.markers.push_back({double(*d.leastStrength), *wc, kLeastColour,
                                 std::string(kChartLeast) + mix::formatInt(*d.leastStrength)});
    return svg::chartSvg(c);
}

} // namespace format
