#include "ui/common/prompter.h"

QMessageBox::StandardButton MessageBoxPrompter::ask(QWidget* parent, const MessageBoxSpec& box)
{
    QMessageBox mb(box.icon, box.title, box.text, box.buttons, parent);
    if (box.defaultButton != QMessageBox::NoButton)
        mb.setDefaultButton(box.defaultButton);
    return static_cast<QMessageBox::StandardButton>(mb.exec());
}

Prompter& defaultPrompter()
{
    static MessageBoxPrompter prompter;
    return prompter;
}
