#include "ui/common/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap renderArtwork(const QString& resource, const QSize& size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QCursor linkCursor()
{
    constexpr int hotX = 11;
    constexpr int hotY = 1;
    const QPixmap hand = renderArtwork(QStringLiteral(":/cursors/link.svg"), QSize(32, 32));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, hotX, hotY);
}
