#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// Shows a field's hint, the tooltip of the icon beside it, to someone who reaches the field
// by keyboard: on Tab or Shift+Tab into it (once the key is let go), and on F1 while it has the focus. A mouse user
// still gets the hint by pointing at the icon.
class KeyboardHint : public QObject {
    Q_OBJECT

public:
    explicit KeyboardHint(QObject* parent = nullptr);

    void watch(QWidget* field, QWidget* icon);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void show(QWidget* icon);

    QHash<QObject*, QPointer<QWidget>> m_icons; // field -> the icon that holds its hint
    QObject* m_arrivedByKey = nullptr;          // the field Tab has just brought the focus to
};
