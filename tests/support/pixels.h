#pragma once

#include "ui/common/contrast.h"

#include <QColor>
#include <QImage>
#include <QRect>

// The strongest contrast any drawn pixel of an area has against the given background: a text
// is readable when its strokes reach the wanted ratio, whatever its anti-aliased edges do.
inline double strongestContrast(const QImage& drawn, const QRect& area, const QColor& background)
{
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = qMax(best, contrastRatio(drawn.pixelColor(x, y), background));
    return best;
}
