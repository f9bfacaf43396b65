#include "ui/main/volumebar.h"

#include "engine/texts/pourwords.h"
#include "ui/common/utf8text.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kPadding = 3;
constexpr int kTick = 4;

QColor colourOf(mix::Material material)
{
    switch (material) {
    case mix::Material::Cement:
        return {178, 178, 178};
    case mix::Material::Water:
        return {156, 204, 240};
    case mix::Material::Sand:
        return {238, 214, 158};
    case mix::Material::Stone:
        return {196, 182, 162};
    case mix::Material::Air:
        return {255, 255, 255};
    }
    return Qt::white;
}

} // namespace

VolumeBar::VolumeBar(QWidget* parent) : QWidget(parent) {}

void VolumeBar::setParts(std::vector<mix::VolumePart> parts)
{
    m_parts = std::move(parts);
    update();
}

int VolumeBar::barHeight() const { return 2 * fontMetrics().lineSpacing() + 2 * kPadding; }

// The caption on the left, the bar, and room under it for the labels of narrow parts.
QSize VolumeBar::sizeHint() const { return {400, barHeight() + kTick + 2 * fontMetrics().lineSpacing()}; }

QSize VolumeBar::minimumSizeHint() const { return sizeHint(); }

void VolumeBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFontMetrics fm = fontMetrics();
    const int line = fm.lineSpacing();
    const int barH = barHeight();

    const QString caption = fromUtf8(mix::pourwords::kOneCubicMetre);
    const int captionW = fm.horizontalAdvance(caption) + 2 * kPadding;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, 0, captionW, barH), Qt::AlignVCenter | Qt::AlignLeft, caption);

    const QRect bar(captionW, 0, width() - captionW - 1, barH);
    int total = 0;
    for (const auto& part : m_parts)
        total += part.litres;
    if (total <= 0)
        return;

    int used = 0;
    int underRight = captionW; // right edge of the last label drawn under the bar
    for (const auto& part : m_parts) {
        const int left = bar.left() + bar.width() * used / total;
        used += part.litres;
        const int right = bar.left() + bar.width() * used / total;
        const QRect cell(left, bar.top(), right - left, bar.height());
        painter.fillRect(cell, colourOf(part.material));
        painter.setPen(Qt::black);
        painter.drawRect(cell);

        const QString name = fromUtf8(part.name);
        const QString litres = fromUtf8(part.litresText);
        const int textW = std::max(fm.horizontalAdvance(name), fm.horizontalAdvance(litres));
        if (textW + 2 * kPadding <= cell.width()) {
            // Fixed fill colours, so fixed dark text on them whatever the desktop's palette.
            painter.drawText(QRect(left, kPadding, cell.width(), line), Qt::AlignCenter, name);
            painter.drawText(QRect(left, kPadding + line, cell.width(), line), Qt::AlignCenter, litres);
            continue;
        }
        const int centre = (left + right) / 2;
        const int textLeft = std::min(std::max(centre - textW / 2, underRight + kPadding), width() - textW);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawLine(centre, barH, centre, barH + kTick);
        painter.drawText(QRect(textLeft, barH + kTick, textW, line), Qt::AlignCenter, name);
        painter.drawText(QRect(textLeft, barH + kTick + line, textW, line), Qt::AlignCenter, litres);
        underRight = textLeft + textW;
    }
}
