#include "ui/main/picturelabel.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolTip>

PictureLabel::PictureLabel(QWidget* parent) : QWidget(parent) {}

PictureLabel::~PictureLabel() = default;

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
    m_renderer.reset();
    // A build without the artwork still works; the picture is simply blank.
    if (QFile::exists(source)) {
        m_renderer = std::make_unique<QSvgRenderer>(source);
        m_renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    update();
}

bool PictureLabel::hasPicture() const { return m_renderer && m_renderer->isValid(); }

void PictureLabel::paintEvent(QPaintEvent*)
{
    if (!hasPicture())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, QRectF(rect()));
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
