#include "ui/common/artwork.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

QPixmap renderArtwork(const QString& resource, const QSize& size, qreal devicePixelRatio)
{
    if (size.isEmpty() || !QFile::exists(resource))
        return {};
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return {};
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QCursor linkCursor(qreal devicePixelRatio)
{
    constexpr int hotX = 10;
    constexpr int hotY = 1;
    const QPixmap hand = renderArtwork(QStringLiteral(":/cursors/link.svg"), QSize(32, 32), devicePixelRatio);
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, hotX, hotY);
}
