#pragma once

#include <QByteArray>
#include <QRectF>

class QPainter;

namespace report {

// A QR code of `text` filling `area` (its quiet zone is the blank paper around it), drawn as
// one vector path so that it stays sharp on paper and in a PDF at any zoom. Draws nothing for
// an empty text or one too long for any QR code.
void drawQrCode(QPainter& painter, const QRectF& area, const QByteArray& text);

} // namespace report
