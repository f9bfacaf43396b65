#include "report/figure.h"

#include "format/durabilitychart.h"
#include "report/page.h"
#include "report/pdf.h"
#include "report/render.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

namespace report {

bool renderFigure(QPainter& painter, const format::SheetLines& sheet, const SheetFigure& figure)
{
    QSvgRenderer svg(figure.svg);
    if (!svg.isValid())
        return false;
    QPaintDevice* device = painter.device();
    const qreal scale = sheetScale(device, sheet);
    const qreal x = device->logicalDpiX() / 1440.0 * scale;
    const qreal y = device->logicalDpiY() / 1440.0 * scale;
    svg.render(&painter, QRectF(figure.box.x * x, figure.box.y * y, figure.box.width * x, figure.box.height * y));
    return true;
}

std::optional<SheetFigure> durabilityFigure(const mix::Design& design)
{
    const std::string svg = format::durabilityChartSvg(design);
    if (svg.empty())
        return std::nullopt;
    return SheetFigure{QByteArray::fromStdString(svg), format::kDurabilityChart, format::kDurabilityChartSheet};
}

QByteArray figurePdf(std::span<const format::SheetLines> sheets, const SheetFigure& figure, const QString& title)
{
    return finishedPdf(reportPageLayout(), title,
                       [&](QPainter& painter, QPdfWriter& writer) -> std::optional<std::vector<DrawnPage>> {
                           std::vector<DrawnPage> pages;
                           for (std::size_t s = 0; s < sheets.size(); ++s) {
                               if (s > 0 && !writer.newPage())
                                   return std::nullopt;
                               render(painter, sheets[s]);
                               // After the lines, so the finishing finds them first; the chart's
                               // own words carry no text of their own.
                               if (s == figure.sheet && !renderFigure(painter, sheets[s], figure))
                                   return std::nullopt;
                               const std::vector<QPointF> starts = baselines(&writer, sheets[s]);
                               DrawnPage& page = pages.emplace_back();
                               for (std::size_t i = 0; i < sheets[s].size(); ++i)
                                   page.push_back({lineText(sheets[s][i]), starts[i]});
                           }
                           return pages;
                       });
}

} // namespace report
