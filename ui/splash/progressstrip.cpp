#include "ui/splash/progressstrip.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

ProgressStrip::ProgressStrip(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_backColor = palette().color(QPalette::HighlightedText);
    m_foreColor = palette().color(QPalette::WindowText);
    allocateSurface();
}

float ProgressStrip::outerWidth() const { return static_cast<float>(width() * twipsPerPixel); }

float ProgressStrip::outerHeight() const { return static_cast<float>(height() * twipsPerPixel); }

int ProgressStrip::toPixels(float twips) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

void ProgressStrip::allocateSurface()
{
    const qreal ratio = devicePixelRatioF();
    QImage surface(contentsRect().size() * ratio, QImage::Format_ARGB32_Premultiplied);
    surface.setDevicePixelRatio(ratio);
    surface.fill(m_backColor);
    if (!m_surface.isNull()) {
        QPainter painter(&surface);
        painter.drawImage(0, 0, m_surface);
    }
    m_surface = surface;
}

void ProgressStrip::cls()
{
    m_surface.fill(m_backColor);
    m_currentX = 0;
    m_currentY = 0;
    m_printed.clear();
    update();
}

void ProgressStrip::fillBox(float x1, float y1, float x2, float y2, const QColor& color)
{
    const QRect box = QRect(QPoint(toPixels(x1), toPixels(y1)), QPoint(toPixels(x2), toPixels(y2))).normalized();
    QPainter painter(&m_surface);
    painter.fillRect(box, color);
    update();
}

float ProgressStrip::textWidth(const QString& text) const
{
    return static_cast<float>(QFontMetrics(font()).horizontalAdvance(text) * twipsPerPixel);
}

float ProgressStrip::textHeight(const QString& text) const
{
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    return static_cast<float>(QFontMetrics(font()).height() * lines * twipsPerPixel);
}

void ProgressStrip::print(const QString& text)
{
    const QFontMetrics metrics(font());
    QPainter painter(&m_surface);
    painter.setFont(font());
    painter.setPen(m_foreColor);
    painter.drawText(QPoint(toPixels(m_currentX), toPixels(m_currentY) + metrics.ascent()), text);
    m_currentX += textWidth(text);
    m_printed += text;
    update();
}

void ProgressStrip::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_surface);
}

void ProgressStrip::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    allocateSurface();
}
