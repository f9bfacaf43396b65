#pragma once

#include "ui/common/prompter.h"

#include <QList>

#include <functional>
#include <optional>

// Answers the boxes a test expects, in order, and fails the test on any other box, so a
// window under test can never wait for a click nobody gives. A test that lets every box
// through sets `answerAll` instead.
class RecordingPrompter : public Prompter {
public:
    QList<MessageBoxSpec> boxes;
    QList<QMessageBox::StandardButton> answers;
    std::optional<QMessageBox::StandardButton> answerAll;
    // Runs while a box is up, as a user could act then.
    std::function<void()> whileShown;

    QMessageBox::StandardButton ask(QWidget* parent, const MessageBoxSpec& box) override;
};
