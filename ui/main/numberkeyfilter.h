#pragma once

#include <QHash>
#include <QObject>

class QWidget;

// The key filter of the three number fields: only digits and the full stop may be typed,
// control codes pass so editing keys keep working, and Enter moves on like Tab. It looks at
// single keys only: pasted text and a second full stop are left to Calculate to judge.
class NumberKeyFilter : public QObject {
    Q_OBJECT

public:
    explicit NumberKeyFilter(QObject* parent = nullptr);

    // Enter in `field` moves to `next` when given, past what Tab would reach first.
    void watch(QWidget* field, QWidget* next = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, QWidget*> m_next;
};
