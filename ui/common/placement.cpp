#include "ui/common/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint placementWithin(const QRect& area, const QSize& size)
{
    const auto axis = [](int start, int room, int length) {
        return length <= room ? start + (room - length) / 2 : start;
    };
    return {axis(area.x(), area.width(), size.width()), axis(area.y(), area.height(), size.height())};
}

void placeOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        window->move(placementWithin(screen->availableGeometry(), window->frameGeometry().size()));
}
