#include "format/svgchart.h"

#include <gtest/gtest.h>

using format::svg::Chart;

namespace {

size_t count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

// The chart's geometry worked by hand: a 640 x 360 chart keeps 64 left, 120 right, 36 top and
// 52 bottom, so x 0..10 spans 64..520 and y 0..100 spans 308..36.
TEST(SvgChart, PlacesWhatItIsGivenAndEscapesText)
{
    Chart c;
    c.title = "w/c <ratio> & \"strength\"";
    c.xLabel = "กำลังอัด";
    c.xMax = 10;
    c.yMax = 100;
    c.xTicks = {0, 5, 10};
    c.yTicks = {0, 50, 100};
    c.series.push_back({{{0, 0}, {5, 50}, {10, 100}, {20, 200}}, "#123456", true, true, "method"});
    c.rules.push_back({true, 25, "#b00020", "limit 0.55", true});
    c.rules.push_back({false, 7.5, "#008000", "least", false});
    c.markers.push_back({5, 50, "#000000", "design"});
    const std::string svg = format::svg::chartSvg(c);

    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 640 360\"", 0), 0u);
    EXPECT_NE(svg.find("<title>w/c &lt;ratio&gt; &amp; &quot;strength&quot;</title>"), std::string::npos);
    EXPECT_NE(svg.find(">กำลังอัด</text>"), std::string::npos);
    // The last point lies past the range and is held at the plot's corner.
    EXPECT_NE(svg.find("points=\"64,308 292,172 520,36 520,36\""), std::string::npos);
    EXPECT_EQ(count(svg, "<circle cx="), 5u); // four dots and the marker's ring
    EXPECT_NE(svg.find("<line x1=\"64\" y1=\"240\" x2=\"520\" y2=\"240\" stroke=\"#b00020\""), std::string::npos);
    EXPECT_NE(svg.find("<line x1=\"406\" y1=\"36\" x2=\"406\" y2=\"308\" stroke=\"#008000\" stroke-width=\"1.5\"/>"),
              std::string::npos);
    EXPECT_NE(svg.find(">limit 0.55</text>"), std::string::npos);
    EXPECT_NE(svg.find(">method</text>"), std::string::npos);
    EXPECT_EQ(svg.substr(svg.size() - 6), "</svg>");
}
