#pragma once

#include <QColor>
#include <QList>

class QImage;

// The contrast ratio of two colours as the web accessibility guidelines define it, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// The wanted colour where it reads well enough on every background it may stand on; otherwise the
// same hue made lighter or darker, step by step, until it does, and black or white as the last
// resort (whichever reads better).
QColor legibleColour(const QColor& wanted, const QList<QColor>& backgrounds, double minimum = 4.5);

// The mean colour of an image, for the background behind a text.
QColor meanColour(const QImage& image);
