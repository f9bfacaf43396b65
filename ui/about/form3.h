#pragma once

#include "ui/common/prompter.h"

#include <QDialog>

#include <memory>

namespace Ui {
class Form3;
}

// The About box: product artwork, the maker's contact details and the legal notice. It has no
// owner window and does not block the main window; there is never more than one on screen.
class Form3 : public QDialog {
    Q_OBJECT

public:
    explicit Form3(Prompter& prompter = defaultPrompter());
    ~Form3() override;

    // Shows the About box, or brings the one already open to the front.
    static Form3* showSingle(Prompter& prompter = defaultPrompter());

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1_Click();
    void Label4_Click();
    void Label6_Click();
    void openHomePage();

    std::unique_ptr<Ui::Form3> m_ui;
    Prompter& m_prompter;
};
