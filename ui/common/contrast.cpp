#include "ui/common/contrast.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double worstRatio(const QColor& colour, const QList<QColor>& backgrounds)
{
    double worst = 21;
    for (const QColor& background : backgrounds)
        worst = std::min(worst, contrastRatio(colour, background));
    return worst;
}

QColor blend(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleColour(const QColor& wanted, const QList<QColor>& backgrounds, double minimum)
{
    if (worstRatio(wanted, backgrounds) >= minimum)
        return wanted;
    const QColor base = wanted.toRgb();
    for (int step = 1; step <= 10; ++step)
        for (const QColor& end : {QColor(Qt::white), QColor(Qt::black)})
            if (const QColor candidate = blend(base, end, step / 10.0); worstRatio(candidate, backgrounds) >= minimum)
                return candidate;
    return worstRatio(Qt::black, backgrounds) >= worstRatio(Qt::white, backgrounds) ? QColor(Qt::black)
                                                                                    : QColor(Qt::white);
}

QColor meanColour(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 r = 0, g = 0, b = 0;
    const qint64 n = qint64(rgb.width()) * rgb.height();
    if (n == 0)
        return {};
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            r += qRed(line[x]);
            g += qGreen(line[x]);
            b += qBlue(line[x]);
        }
    }
    return QColor(int(r / n), int(g / n), int(b / n));
}
