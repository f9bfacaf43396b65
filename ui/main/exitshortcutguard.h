#pragma once

#include <QObject>

class QAction;
class QWidget;

// Text boxes claim Ctrl+C for copying before any window shortcut sees it. In this window
// the key belongs to the exit entry, so the guard turns the boxes' claim down and the
// shortcut reaches its action; nothing is copied.
class ExitShortcutGuard : public QObject {
    Q_OBJECT

public:
    ExitShortcutGuard(const QAction* exitAction, QObject* parent = nullptr);

    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QAction* m_exitAction;
};
