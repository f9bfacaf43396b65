#include "ui/main/exitshortcutguard.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

ExitShortcutGuard::ExitShortcutGuard(const QAction* exitAction, QObject* parent)
    : QObject(parent), m_exitAction(exitAction)
{
}

void ExitShortcutGuard::watch(QWidget* widget) { widget->installEventFilter(this); }

bool ExitShortcutGuard::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (QKeySequence(key->keyCombination()) != m_exitAction->shortcut())
        return false;
    event->ignore();
    return true;
}
