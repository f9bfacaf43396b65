#include "ui/main/keyboardhint.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolTip>
#include <QWidget>

KeyboardHint::KeyboardHint(QObject* parent) : QObject(parent) {}

void KeyboardHint::watch(QWidget* field, QWidget* icon)
{
    m_icons.insert(field, icon);
    field->installEventFilter(this);
}

bool KeyboardHint::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* icon = m_icons.value(watched);
    if (!icon)
        return false;
    // The toolkit hides a tooltip whenever the focus moves, and Tab moves it more than once
    // on its way in, so the hint waits for the Tab key to come up.
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        m_arrivedByKey = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ? watched : nullptr;
        break;
    }
    case QEvent::FocusOut:
        m_arrivedByKey = nullptr;
        break;
    case QEvent::KeyPress:
        return static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            break;
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (key->key() == Qt::Key_F1 || (tab && m_arrivedByKey == watched))
            show(icon);
        m_arrivedByKey = nullptr;
        return key->key() == Qt::Key_F1;
    }
    default:
        break;
    }
    return false;
}

void KeyboardHint::show(QWidget* icon)
{
    // Below the icon, where the pointer's tooltip would stand, so it never covers the field;
    // as a paragraph, so that a long hint wraps instead of running off the window.
    if (icon->isVisible() && !icon->toolTip().isEmpty())
        QToolTip::showText(icon->mapToGlobal(QPoint(icon->width() / 2, icon->height())),
                           QStringLiteral("<p>%1</p>").arg(icon->toolTip().toHtmlEscaped()), icon);
}
