#include "ui/common/picturelabel.h"

#include "ui/common/artwork.h"
#include "ui/common/contrast.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

PictureLabel::PictureLabel(QWidget* parent) : QWidget(parent) {}

bool PictureLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !toolTip().isEmpty()) {
        // As rich text the tip label wraps its words; the text itself stays plain.
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), QStringLiteral("<p>%1</p>").arg(toolTip().toHtmlEscaped()), this, rect());
        return true;
    }
    return QWidget::event(event);
}

void PictureLabel::setSource(const QString& source)
{
    m_source = source;
    m_drawn = QPixmap();
    update();
}

void PictureLabel::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.isNull() || m_drawn.size() != size() * ratio)
        m_drawn = renderArtwork(m_source, size(), ratio);
    QPainter painter(this);
    if (!m_drawn.isNull())
        painter.drawPixmap(0, 0, m_drawn);
    if (hasFocus()) {
        // Two pixels in the highlight colour, made to stand out at 3:1 from both the ground
        // and the picture, whatever the palette; a style's dotted line is lost on a picture.
        const QColor ground = palette().color(QPalette::Active, QPalette::Window);
        QList<QColor> behind{ground};
        if (!m_drawn.isNull())
            behind << meanColour(m_drawn.toImage());
        const QColor ring = legibleColour(palette().color(QPalette::Active, QPalette::Highlight), behind, 3.0);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PictureLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
