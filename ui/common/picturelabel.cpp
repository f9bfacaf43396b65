#include "ui/common/picturelabel.h"

#include "ui/common/artwork.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
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
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
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
