#include "format/svgchart.h"

#include "format/numbertext.h"

#include <algorithm>
#include <cmath>

namespace format::svg {
namespace {

// Room for the tick labels at the left and bottom, the title at the top, rule labels at the right.
constexpr double kLeft = 64;
constexpr double kRight = 120;
constexpr double kTop = 36;
constexpr double kBottom = 52;
// A Thai face first, so every text draws alike in the window, a PDF and a browser.
constexpr const char* kFonts = "Loma, Umpush, 'Noto Sans Thai', 'Noto Sans Thai UI', sans-serif";

std::string escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string num(double x) { return numberText(std::round(x * 100) / 100); }

struct Frame {
    const Chart& c;
    double plotWidth() const { return c.width - kLeft - kRight; }
    double plotHeight() const { return c.height - kTop - kBottom; }
    double x(double v) const
    {
        const double span = c.xMax > c.xMin ? c.xMax - c.xMin : 1;
        return kLeft + std::clamp((v - c.xMin) / span, 0.0, 1.0) * plotWidth();
    }
    double y(double v) const
    {
        const double span = c.yMax > c.yMin ? c.yMax - c.yMin : 1;
        return kTop + (1 - std::clamp((v - c.yMin) / span, 0.0, 1.0)) * plotHeight();
    }
};

void text(std::string& out, double x, double y, const std::string& content, const char* anchor = "start",
          const char* extra = "")
{
    out += "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" +
           escaped(content) + "</text>";
}

void axes(std::string& out, const Frame& f)
{
    const Chart& c = f.c;
    out += "<g stroke=\"#888888\" stroke-width=\"1\">";
    out += "<line x1=\"" + num(kLeft) + "\" y1=\"" + num(kTop) + "\" x2=\"" + num(kLeft) + "\" y2=\"" +
           num(kTop + f.plotHeight()) + "\"/>";
    out += "<line x1=\"" + num(kLeft) + "\" y1=\"" + num(kTop + f.plotHeight()) + "\" x2=\"" +
           num(kLeft + f.plotWidth()) + "\" y2=\"" + num(kTop + f.plotHeight()) + "\"/>";
    for (const double t : c.yTicks)
        out += "<line x1=\"" + num(kLeft) + "\" y1=\"" + num(f.y(t)) + "\" x2=\"" + num(kLeft + f.plotWidth()) +
               "\" y2=\"" + num(f.y(t)) + "\" stroke=\"#e4e4e4\"/>";
    out += "</g><g font-size=\"12\" fill=\"#333333\">";
    for (const double t : c.yTicks)
        text(out, kLeft - 6, f.y(t) + 4, numberText(t), "end");
    for (const double t : c.xTicks)
        text(out, f.x(t), kTop + f.plotHeight() + 16, numberText(t), "middle");
    out += "</g>";
    text(out, kLeft + f.plotWidth() / 2, c.height - 10, c.xLabel, "middle", " font-size=\"13\"");
    text(out, 14, kTop + f.plotHeight() / 2, c.yLabel, "middle",
         (" font-size=\"13\" transform=\"rotate(-90 14 " + num(kTop + f.plotHeight() / 2) + ")\"").c_str());
    text(out, kLeft, 22, c.title, "start", " font-size=\"15\" font-weight=\"bold\"");
}

void series(std::string& out, const Frame& f, const Series& s)
{
    if (s.line && s.points.size() > 1) {
        out += "<polyline fill=\"none\" stroke=\"" + escaped(s.colour) + "\" stroke-width=\"2\" points=\"";
        for (const auto& [x, y] : s.points)
            out += num(f.x(x)) + "," + num(f.y(y)) + " ";
        out.back() = '"';
        out += "/>";
    }
    if (s.dots)
        for (const auto& [x, y] : s.points)
            out += "<circle cx=\"" + num(f.x(x)) + "\" cy=\"" + num(f.y(y)) + "\" r=\"3.5\" fill=\"" +
                   escaped(s.colour) + "\"/>";
}

void rule(std::string& out, const Frame& f, const Rule& r)
{
    const std::string dash = r.dashed ? " stroke-dasharray=\"6 4\"" : "";
    if (r.horizontal) {
        const double y = f.y(r.at);
        out += "<line x1=\"" + num(kLeft) + "\" y1=\"" + num(y) + "\" x2=\"" + num(kLeft + f.plotWidth()) + "\" y2=\"" +
               num(y) + "\" stroke=\"" + escaped(r.colour) + "\" stroke-width=\"1.5\"" + dash + "/>";
        text(out, kLeft + f.plotWidth() + 4, y + 4, r.label, "start",
             (" font-size=\"12\" fill=\"" + escaped(r.colour) + "\"").c_str());
    } else {
        const double x = f.x(r.at);
        out += "<line x1=\"" + num(x) + "\" y1=\"" + num(kTop) + "\" x2=\"" + num(x) + "\" y2=\"" +
               num(kTop + f.plotHeight()) + "\" stroke=\"" + escaped(r.colour) + "\" stroke-width=\"1.5\"" + dash +
               "/>";
        text(out, x + 4, kTop + 12, r.label, "start", (" font-size=\"12\" fill=\"" + escaped(r.colour) + "\"").c_str());
    }
}

void legend(std::string& out, const Chart& c)
{
    double y = kTop + 8;
    for (const Series& s : c.series) {
        if (s.label.empty())
            continue;
        const double x = c.width - kRight + 8;
        out += "<rect x=\"" + num(x) + "\" y=\"" + num(y + 30) + "\" width=\"12\" height=\"4\" fill=\"" +
               escaped(s.colour) + "\"/>";
        text(out, x + 16, y + 36, s.label, "start", " font-size=\"12\"");
        y += 18;
    }
}

} // namespace

std::string chartSvg(const Chart& c)
{
    const Frame f{c};
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + std::to_string(c.width) + " " +
                      std::to_string(c.height) + "\" width=\"" + std::to_string(c.width) + "\" height=\"" +
                      std::to_string(c.height) + "\" font-family=\"" + kFonts + "\" role=\"img\"><title>" +
                      escaped(c.title) + "</title><rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>";
    axes(out, f);
    for (const Rule& r : c.rules)
        rule(out, f, r);
    for (const Series& s : c.series)
        series(out, f, s);
    for (const Marker& m : c.markers) {
        out += "<circle cx=\"" + num(f.x(m.x)) + "\" cy=\"" + num(f.y(m.y)) + "\" r=\"6\" fill=\"none\" stroke=\"" +
               escaped(m.colour) + "\" stroke-width=\"2\"/>";
        text(out, f.x(m.x) + 9, f.y(m.y) - 8, m.label, "start", " font-size=\"12\"");
    }
    legend(out, c);
    return out + "</svg>";
}

} // namespace format::svg
