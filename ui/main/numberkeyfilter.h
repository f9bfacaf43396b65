#pragma once

#include <QObject>

class QWidget;

// The key filter of the three number fields: only digits and the full stop may be typed,
// control codes pass so editing keys keep working, and Enter moves on like Tab. It looks at
// single keys only: pasted text and a second full stop are left to Calculate to judge.
class NumberKeyFilter : public QObject {
    Q_OBJECT

public:
    explicit NumberKeyFilter(QObject* parent = nullptr);

    void watch(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
