#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of the given size goes on the available area of a screen: centred where it fits,
// else at the area's top-left, so its title bar and menus are never off screen. Each direction is
// decided on its own.
QPoint placementWithin(const QRect& area, const QSize& size);

// Moves the window so, on the screen it is on (or the primary screen).
void placeOnScreen(QWidget* window);
