#include "report/render.h"

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

// Sheet 1's QR code stands in the blank beside the bold final mix, an inch square, inside the
// area the lines already take, so it never changes how a sheet fits the paper.
constexpr QRectF kQrTwips(8700, 12600, 1440, 1440);

} // namespace

void render(QPainter& painter, const Sheet& lines, const QByteArray& link)
{
    QPaintDevice* device = painter.device();
    const qreal unitsPerTwipX = device->logicalDpiX() / kTwipsPerInch;
    const qreal unitsPerTwipY = device->logicalDpiY() / kTwipsPerInch;
    const QFont fonts[] = {QFont(reportFont(false), device), QFont(reportFont(true), device)};
    const QFontMetricsF metrics[] = {QFontMetricsF(fonts[0], device), QFontMetricsF(fonts[1], device)};

    // A printer whose printable area is narrower than the sheet's widest line (margins the
    // layout never knew of) gets the whole sheet scaled down, proportions kept, rather than
    // lines cut at the edge. A PDF has no margins and is drawn at full size.
    qreal widest = 0;
    for (const ReportLine& line : lines) {
        const QFontMetricsF& m = metrics[line.bold ? 1 : 0];
        widest = std::max(widest, line.x * unitsPerTwipX + m.horizontalAdvance(line.text));
    }
    const qreal scale = widest > device->width() ? device->width() / widest : 1.0;

    painter.save();
    painter.scale(scale, scale);
    painter.setPen(Qt::black);
    for (const ReportLine& line : lines) {
        const int style = line.bold ? 1 : 0;
        painter.setFont(fonts[style]);
        // The position is the top of the first character; drawText wants its baseline.
        const QPointF baseline(line.x * unitsPerTwipX, line.y * unitsPerTwipY + metrics[style].ascent());
        painter.drawText(baseline, line.text);
    }
    drawQrCode(painter,
               QRectF(kQrTwips.x() * unitsPerTwipX, kQrTwips.y() * unitsPerTwipY, kQrTwips.width() * unitsPerTwipX,
                      kQrTwips.height() * unitsPerTwipY),
               link);
    painter.restore();
}

bool renderSheets(QPainter& painter, QPagedPaintDevice& device, std::span<const Sheet> sheets, const QByteArray& link)
{
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        render(painter, sheets[i], i == 0 ? link : QByteArray());
    }
    return true;
}

bool fontCoversSheets(std::span<const Sheet> sheets)
{
    QString text;
    for (const Sheet& sheet : sheets)
        for (const ReportLine& line : sheet)
            text += line.text;
    return reportFontCovers(text);
}

} // namespace report
