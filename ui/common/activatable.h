#pragma once

#include <QAccessible>
#include <QString>

#include <functional>

class QWidget;

// A picture or a label that answers a click, made usable without a mouse: Tab reaches it,
// Space and Return do what the click does, the focus shows, and a screen reader meets it as a
// button or a link by `name` with a press action.
void makeActivatable(QWidget* widget, QAccessible::Role role, const QString& name, std::function<void()> activate);
