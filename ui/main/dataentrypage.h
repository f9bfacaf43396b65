#pragma once

#include "engine/mixinputs.h"

#include <QWidget>

#include <memory>

namespace Ui {
class DataEntryPage;
}

// The data-entry tab: the inputs Calculate reads, the guards on them, the picture link,
// the three picture buttons and the two result frames of the final mix.
class DataEntryPage : public QWidget {
    Q_OBJECT

public:
    explicit DataEntryPage(QWidget* parent = nullptr);
    ~DataEntryPage() override;

    // The two pick lists, filled once; no item is selected afterwards.
    void fillLists();
    mix::MixInputs inputs() const;
    void enablePrint();
    // Text2, Combo1, Combo2, Text3, Text4, Text6, the buttons, then the check boxes. Called
    // once the page sits in its tab widget, which splices its tab bar into the chain.
    void applyFocusOrder();
    // Typing right after the window appears lands in the strength field.
    void focusFirstField();

signals:
    void calculateClicked();
    void printClicked();
    void exitClicked();
    void homeLinkClicked();

private:
    // Each pair clears the partner itself; the partner's own click handler never runs for
    // that change because the handlers listen to user clicks only.
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void setDoseField(bool enabled, const QColor& background);
    // The per-bag note shows whole, without a scroll bar: its box grows down to the bottom of
    // its frame, the frame down to the page's edge, and only then does the note's type shrink.
    void fitPerBagNote();

    QRect m_noteDesigned;
    QRect m_frameDesigned;

    std::unique_ptr<Ui::DataEntryPage> m_ui;
};
