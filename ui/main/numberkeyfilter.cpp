#include "ui/main/numberkeyfilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

const QString allowedChars = QStringLiteral("0123456789.");

constexpr char16_t lastControlCode = 26;
constexpr char16_t deleteCode = 0x7f;

bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

// Keys that type nothing (arrows, Home, Delete) are editing keys, not characters, and
// never reach the character test.
bool typesCharacter(const QKeyEvent& key) { return !key.text().isEmpty() && key.text().at(0) != deleteCode; }

// Ctrl with a letter is a control code (Ctrl+A is 1, Ctrl+V is 22) even where the desktop
// reports the letter itself as the key's text; control codes pass to the field.
bool isControlCode(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers mods = key.modifiers();
    return mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
}

bool allowed(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() > lastControlCode && !allowedChars.contains(c))
            return false;
    return true;
}

void sendTab(QWidget* field)
{
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(field, &tab);
}

} // namespace

NumberKeyFilter::NumberKeyFilter(QObject* parent) : QObject(parent) {}

void NumberKeyFilter::watch(QWidget* field, QWidget* next)
{
    field->installEventFilter(this);
    if (next)
        m_next.insert(field, next);
}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isEnter(key)) {
        if (QWidget* next = m_next.value(watched))
            next->setFocus(Qt::TabFocusReason);
        else
            sendTab(static_cast<QWidget*>(watched));
        return true;
    }
    if (!typesCharacter(key) || isControlCode(key))
        return false;
    return !allowed(key.text());
}
