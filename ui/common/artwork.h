#pragma once

#include <QCursor>
#include <QPixmap>
#include <QSize>
#include <QString>

// The artwork is vector art compiled into the program (the mixresources library), drawn whole
// (its proportions kept) at the size a window gives it so that it stays sharp at any screen
// scale. A null pixmap when the resource is missing.
QPixmap renderArtwork(const QString& resource, const QSize& size, qreal devicePixelRatio = 1.0);

// The pointing hand shown over the web links: the 32 x 32 picture with its hot spot at the
// fingertip, or the desktop's own pointing hand when the picture is not compiled in.
QCursor linkCursor(qreal devicePixelRatio = 1.0);
