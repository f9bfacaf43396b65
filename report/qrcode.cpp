#include "report/qrcode.h"

#include <QPainter>
#include <QPainterPath>

#include <memory>

#include <qrencode.h>

namespace report {

void drawQrCode(QPainter& painter, const QRectF& area, const QByteArray& text)
{
    if (text.isEmpty())
        return;
    // Medium correction survives a crease or a splash of slurry on a site copy.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), &QRcode_free);
    if (!code)
        return;
    const int width = code->width;
    const qreal module = std::min(area.width(), area.height()) / width;
    QPainterPath dark;
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < width; ++x) {
            if (code->data[y * width + x] & 1)
                dark.addRect(area.left() + x * module, area.top() + y * module, module, module);
        }
    }
    dark.setFillRule(Qt::WindingFill);
    painter.fillPath(dark, Qt::black);
}

} // namespace report
