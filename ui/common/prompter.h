#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// One modal message box, described rather than shown, so that tests can answer it.
struct MessageBoxSpec {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Every message box of the program goes through a prompter handed to the window that
// needs it; the real one shows a QMessageBox, a test one records and answers.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual QMessageBox::StandardButton ask(QWidget* parent, const MessageBoxSpec& box) = 0;
};

class MessageBoxPrompter : public Prompter {
public:
    QMessageBox::StandardButton ask(QWidget* parent, const MessageBoxSpec& box) override;
};

// The prompter the program uses when nobody hands in another one.
Prompter& defaultPrompter();
