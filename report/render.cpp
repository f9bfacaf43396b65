#include "report/render.h"

#include "report/figure.h"
#include "report/font.h"
#include "report/qrcode.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace report {

namespace {

constexpr qreal kTwipsPerInch = 1440.0;

constexpr QRectF kQrTwips(format::kSheet1QrCode.x, format::kSheet1QrCode.y, format::kSheet1QrCode.size,
                          format::kSheet1QrCode.size);

struct Placement {
    qreal scale = 1.0;
    std::vector<QPointF> baselines; // before scaling
};

Placement place(QPaintDevice* device, const QFontMetricsF (&metrics)[2], const format::SheetLines& lines)
{
    const qreal unitsPerTwipX = device->logicalDpiX() / kTwipsPerInch;
    const qreal unitsPerTwipY = device->logicalDpiY() / kTwipsPerInch;

    // A printable area narrower or shorter than the sheet (margins the layout never knew of, a
    // landscape page chosen in the preview or the printer's properties) gets the whole sheet
    // scaled down, proportions kept, rather than lines cut at the edge. An upright A4 PDF has
    // no margins and is drawn at full size.
    Placement placement;
    qreal widest = 0;
    qreal lowest = 0;
    for (const format::SheetLine& line : lines) {
        const QFontMetricsF& m = metrics[line.bold ? 1 : 0];
        widest = std::max(widest, line.x * unitsPerTwipX + m.horizontalAdvance(lineText(line)));
        lowest = std::max(lowest, line.y * unitsPerTwipY + m.height());
        // The position is the top of the first character; drawText wants its baseline.
        placement.baselines.emplace_back(line.x * unitsPerTwipX, line.y * unitsPerTwipY + m.ascent());
    }
    if (widest > device->width())
        placement.scale = device->width() / widest;
    if (lowest * placement.scale > device->height())
        placement.scale = device->height() / lowest;
    return placement;
}

} // namespace

void render(QPainter& painter, const format::SheetLines& lines, const QByteArray& link)
{
    QPaintDevice* device = painter.device();
    const QFont fonts[] = {QFont(reportFont(false), device), QFont(reportFont(true), device)};
    const QFontMetricsF metrics[] = {QFontMetricsF(fonts[0], device), QFontMetricsF(fonts[1], device)};
    const Placement placement = place(device, metrics, lines);

    painter.save();
    painter.scale(placement.scale, placement.scale);
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        painter.setFont(fonts[lines[i].bold ? 1 : 0]);
        painter.drawText(placement.baselines[i], lineText(lines[i]));
    }
    const qreal unitsPerTwipX = device->logicalDpiX() / kTwipsPerInch;
    const qreal unitsPerTwipY = device->logicalDpiY() / kTwipsPerInch;
    drawQrCode(painter,
               QRectF(kQrTwips.x() * unitsPerTwipX, kQrTwips.y() * unitsPerTwipY, kQrTwips.width() * unitsPerTwipX,
                      kQrTwips.height() * unitsPerTwipY),
               link);
    painter.restore();
}

std::vector<QPointF> baselines(QPaintDevice* device, const format::SheetLines& lines)
{
    const QFont fonts[] = {QFont(reportFont(false), device), QFont(reportFont(true), device)};
    const QFontMetricsF metrics[] = {QFontMetricsF(fonts[0], device), QFontMetricsF(fonts[1], device)};
    Placement placement = place(device, metrics, lines);
    for (QPointF& point : placement.baselines)
        point *= placement.scale;
    return placement.baselines;
}

qreal sheetScale(QPaintDevice* device, const format::SheetLines& lines)
{
    const QFont fonts[] = {QFont(reportFont(false), device), QFont(reportFont(true), device)};
    const QFontMetricsF metrics[] = {QFontMetricsF(fonts[0], device), QFontMetricsF(fonts[1], device)};
    return place(device, metrics, lines).scale;
}

bool renderSheets(QPainter& painter, QPagedPaintDevice& device, std::span<const format::SheetLines> sheets,
                  const QByteArray& link, const SheetFigure* figure)
{
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        render(painter, sheets[i], i == 0 ? link : QByteArray());
        if (figure && figure->sheet == i && !renderFigure(painter, sheets[i], *figure))
            return false;
    }
    return true;
}

bool fontCoversSheets(std::span<const format::SheetLines> sheets)
{
    QString text;
    for (const format::SheetLines& sheet : sheets)
        for (const format::SheetLine& line : sheet)
            text += lineText(line);
    return reportFontCovers(text);
}

} // namespace report
