#pragma once

#include "engine/design.h"
#include "ui/common/prompter.h"

#include <QHash>
#include <QMainWindow>

#include <memory>
#include <optional>

namespace Ui {
class Form2;
}
class ResultsPage;

// The working window: data entry, calculation details, design criteria and the pour planner
// on four tabs, with the menus. It reads its controls, lets the engine compute and writes the texts the
// engine returns into the controls of the same names; it computes nothing itself.
class Form2 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form2(Prompter& prompter = defaultPrompter(), QWidget* parent = nullptr);
    ~Form2() override;

    // The last accepted design, from which the window's labels are written; null before the
    // first accepted Calculate.
    const mix::Design* lastDesign() const { return m_accepted ? &*m_accepted : nullptr; }
    // That design as the window shows it, its pour as the planner's entries now stand: what the
    // report prints. Null before the first accepted Calculate.
    const mix::Design* shownDesign() const;

    // Whether the entries on screen differ from those of the last accepted design, whose
    // results the tabs still show.
    bool resultsStale() const;

    // The text of a label or text box by its design name ("Label15(0)", "Label11", "Text6");
    // empty when there is no such control.
    QString caption(const QString& control) const;

    // The strength results tab, whose acceptance sheet the print commands print.
    ResultsPage* resultsPage() const;

    // A status-bar line after a file is written, naming it.
    void showSaved(const QString& file);

signals:
    // The print, preview, card and PDF requests come only once the user has agreed to an
    // older design than the entries on screen.
    void printRequested();
    void printSetupRequested();
    void savePdfRequested();
    void previewRequested();
    void cardRequested();
    void cardPdfRequested();
    void aboutRequested();

protected:
    // Strength results not saved are asked about before the window goes.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Command1_Click();
    void exitQuestion();
    void openSitePage(const QString& path);
    void refuse(const mix::CalcError& error);
    void entriesChanged();
    // True when the results are current, or when the user agrees to the older design.
    bool olderDesignAgreed();
    // A Yes/No question through the prompter, No by default; true on Yes.
    bool agreed(const char* question, const char* title);
    void requestWithDesign(void (Form2::*request)());
    void writeTexts(const mix::ResultTexts& texts);
    void connectMenus();
    QWidget* control(const QString& designName) const;

    std::unique_ptr<Ui::Form2> m_ui;
    Prompter& m_prompter;
    std::optional<mix::Design> m_accepted;
    QHash<QString, QWidget*> m_controls;
};
