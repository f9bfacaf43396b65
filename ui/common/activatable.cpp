#include "ui/common/activatable.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

namespace {

constexpr char kRoleProperty[] = "activatableRole";
constexpr char kActivatorName[] = "activator";

class Activator : public QObject {
public:
    Activator(QWidget* widget, std::function<void()> activate) : QObject(widget), m_activate(std::move(activate))
    {
        setObjectName(QLatin1String(kActivatorName));
        widget->installEventFilter(this);
    }

    void activate() const { m_activate(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            if (plain && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
                activate();
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            showFocus(widget, event->type() == QEvent::FocusIn);
            break;
        default:
            break;
        }
        return false;
    }

private:
    // A label draws no focus of its own, so a focused one takes the highlight colours; a
    // picture draws its own focus frame when repainted.
    static void showFocus(QWidget* widget, bool focused)
    {
        if (qobject_cast<QLabel*>(widget)) {
            widget->setAutoFillBackground(focused);
            widget->setBackgroundRole(focused ? QPalette::Highlight : QPalette::Window);
            widget->setForegroundRole(focused ? QPalette::HighlightedText : QPalette::WindowText);
        }
        widget->update();
    }

    std::function<void()> m_activate;
};

class ActivatableAccessible : public QAccessibleWidget {
public:
    ActivatableAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (widget()->isEnabled())
            if (const QObject* activator = widget()->findChild<QObject*>(QLatin1String(kActivatorName)))
                static_cast<const Activator*>(activator)->activate();
    }
};

QAccessibleInterface* activatableInterface(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget ? widget->property(kRoleProperty) : QVariant();
    return role.isValid() ? new ActivatableAccessible(widget, QAccessible::Role(role.toInt())) : nullptr;
}

} // namespace

void makeActivatable(QWidget* widget, QAccessible::Role role, const QString& name, std::function<void()> activate)
{
    static const bool installed = [] {
        QAccessible::installFactory(activatableInterface);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kRoleProperty, int(role));
    // Qt makes and keeps a plain interface for the first change event, even one sent while the
    // form was set up; dropping it lets the next question find this one.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<ActivatableAccessible*>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    widget->setAccessibleName(name);
    widget->setFocusPolicy(Qt::StrongFocus);
    new Activator(widget, std::move(activate));
}
