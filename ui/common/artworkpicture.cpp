#include "ui/common/artworkpicture.h"

#include "ui/common/artwork.h"

#include <QPainter>

ArtworkPicture::ArtworkPicture(QWidget* parent) : QWidget(parent) {}

void ArtworkPicture::setArtwork(const QString& resource)
{
    m_resource = resource;
    m_drawn = QPixmap();
    update();
}

void ArtworkPicture::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.isNull() || m_drawn.size() != size() * ratio)
        m_drawn = renderArtwork(m_resource, size(), ratio);
    if (!m_drawn.isNull())
        QPainter(this).drawPixmap(0, 0, m_drawn);
}
