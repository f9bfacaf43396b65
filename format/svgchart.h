#pragma once

#include <string>
#include <utility>
#include <vector>

namespace format::svg {

// A plain x-y chart as data, drawn once as SVG (no Qt): the window shows it through QtSvg, a PDF
// draws it with QSvgRenderer and the page inlines it, so all three show one drawing.

struct Series {
    std::vector<std::pair<double, double>> points;
    std::string colour = "#1f4e79";
    bool line = true;  // joined by a line
    bool dots = false; // each point a dot
    std::string label; // in the legend; none when empty
};

// A level across the chart (horizontal) or a position along it (vertical), labelled at its end.
struct Rule {
    bool horizontal = true;
    double at = 0;
    std::string colour = "#b00020";
    std::string label;
    bool dashed = true;
};

// One point called out with a ring and its label.
struct Marker {
    double x = 0;
    double y = 0;
    std::string colour = "#000000";
    std::string label;
};

struct Chart {
    std::string title;
    std::string xLabel;
    std::string yLabel;
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    std::vector<double> xTicks;
    std::vector<double> yTicks;
    std::vector<Series> series;
    std::vector<Rule> rules;
    std::vector<Marker> markers;
    int width = 640; // the SVG's own units; it scales to any box
    int height = 360;
};

// The chart as one standalone SVG document (UTF-8, Thai allowed in every text). Points outside
// the ranges are clipped to the plotting area; tick labels are the shortest decimal of each tick.
std::string chartSvg(const Chart& chart);

} // namespace format::svg
