#pragma once

#include "engine/exposure.h"
#include "engine/mixinputs.h"

#include <QWidget>

#include <memory>
#include <vector>

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
    // Where the concrete will stand; None, the list's first item, unless the user picks one.
    mix::Exposure exposure() const;
    void enablePrint();
    // As the screen reads, top to bottom and left to right, the dose right after the box that
    // asks for it. Called once the page sits in its tab widget, which splices its tab bar into
    // the chain.
    void applyFocusOrder();
    // Typing right after the window appears lands in the strength field.
    void focusFirstField();
    // The results in the two frames are of entries no longer on screen: greyed, with a note.
    void showStale(bool stale);
    // After a refused Calculate: every required field still empty gets a frame in the error
    // colour and says so to a screen reader, until it is filled.
    void markEmptyFields();
    // The fields marked as empty, by object name, in the order of the screen.
    QStringList markedFields() const;

signals:
    // Any entry Calculate reads has changed: a typed character, a tick, a pick.
    void entriesChanged();
    void calculateClicked();
    void printClicked();
    void exitClicked();
    void homeLinkClicked();

protected:
    // The exit picture and the error frames are chosen against the page's own colours.
    void changeEvent(QEvent* event) override;

private:
    // Each pair clears the partner itself; the partner's own click handler never runs for
    // that change because the handlers listen to user clicks only.
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void setDoseField(bool enabled);
    // The disabled dose field on the palette's own field colour, until "without admixture" greys it.
    void keepOrdinaryBackground();
    void updateMarks();
    void showStoneSize();
    void paintForPalette();
    // The per-bag note shows whole, without a scroll bar: its box grows down to the bottom of
    // its frame, the frame down to the page's edge, and only then does the note's type shrink.
    void fitPerBagNote();

    struct Required {
        QWidget* field;
        QString hint; // its description before any mark
        QWidget* mark;
    };
    std::vector<Required> m_required;
    QString m_stoneHint;
    bool m_doseGrey = false;
    QRect m_noteDesigned;
    QRect m_frameDesigned;

    std::unique_ptr<Ui::DataEntryPage> m_ui;
};
