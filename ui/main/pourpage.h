#pragma once

#include "engine/design.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class PourPage;
}
class QLabel;
class QLineEdit;

// The pour planner tab: what to order for a whole pour, what goes into one mixer batch and
// what it costs, from the last accepted design, following every keystroke in its entries. A
// bad entry gets a message beside it; the figures it feeds stay in view greyed as out of date,
// and go to no sheet until the entry is mended.
class PourPage : public QWidget {
    Q_OBJECT

public:
    explicit PourPage(QWidget* parent = nullptr);
    ~PourPage() override;

    // The entries as typed, indexed by `mix::Entry`.
    mix::EntryTexts entryTexts() const;
    // A newly accepted design, already worked out with `entryTexts()`; until the first one
    // the tab asks for a calculation.
    void setDesign(const mix::Design& accepted);
    // The design the tab shows, for the report: its plan and cost are there only while
    // nothing of them is out of date. Null before the first accepted design.
    const mix::Design* design() const { return m_design ? &*m_design : nullptr; }

protected:
    // The error texts are chosen against the page's own background, so they follow a new palette.
    void changeEvent(QEvent* event) override;

private:
    // An entry of the table, its message and, for a price, what that part costs in the same
    // place: the message covers the cost while it is shown.
    struct Field {
        mix::Entry entry;
        QLineEdit* edit;
        QLabel* message;
        QLabel* cost;
    };

    void entriesChanged();
    void showDesign(const mix::Design& design);
    void writeFigures(const mix::Design& design, bool batch, bool order);
    void writeCost(const mix::Design& design);
    void showMessage(const Field& field, const QString& message);
    void showStale(bool batch, bool order, bool cost);
    void paintMessages();

    std::unique_ptr<Ui::PourPage> m_ui;
    std::vector<Field> m_fields;       // in the entry table's order
    QHash<QString, QLabel*> m_figures; // by object name, as the engine names the figures
    std::optional<mix::Design> m_design;
};
