#pragma once

#include "engine/calculate.h"
#include "engine/mixdesign.h"
#include "ui/common/prompter.h"

#include <QHash>
#include <QMainWindow>

#include <memory>
#include <optional>

namespace Ui {
class Form2;
}
namespace mix {
struct PourPlan;
struct PourPrices;
} // namespace mix

// The working window: data entry, calculation details, design criteria and the pour planner
// on four tabs, with the menus. It reads its controls, lets the engine compute and writes the texts the
// engine returns into the controls of the same names; it computes nothing itself.
class Form2 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form2(Prompter& prompter = defaultPrompter(), QWidget* parent = nullptr);
    ~Form2() override;

    const mix::MixDesign& design() const;
    // The last accepted design, everything the report and the other outputs need; null before
    // the first accepted Calculate.
    const mix::CalcResult* lastResult() const { return m_result ? &*m_result : nullptr; }
    // The pour planner's plan for that design, or null without a volume.
    const mix::PourPlan* pourPlan() const;
    // The prices behind the cost lines of the pour tab, or null when it shows none.
    const mix::PourPrices* pourPrices() const;

    // The text of a label or text box by its design name ("Label15(0)", "Label11", "Text6");
    // empty when there is no such control.
    QString caption(const QString& control) const;

signals:
    void printRequested();
    void printSetupRequested();
    void savePdfRequested();
    void previewRequested();
    void cardRequested();
    void aboutRequested();

private:
    void Form_Load();
    void Command1_Click();
    void exitQuestion();
    void openSitePage(const QString& path);
    void refuse(const mix::CalcError& error);
    void writeTexts(const mix::ResultTexts& texts);
    void connectMenus();
    QWidget* control(const QString& designName) const;

    std::unique_ptr<Ui::Form2> m_ui;
    Prompter& m_prompter;
    mix::MixDesign m_design;
    std::optional<mix::CalcResult> m_result;
    QHash<QString, QWidget*> m_controls;
};
