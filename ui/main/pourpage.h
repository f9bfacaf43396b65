#pragma once

#include "engine/mixdesign.h"
#include "engine/pourcost.h"
#include "engine/pourplan.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class PourPage;
}
namespace mix {
struct DesignNumbers;
}
class QLabel;
class QLineEdit;

// The pour planner tab: what to order for a whole pour and what goes into one mixer batch,
// from the last accepted design, following every keystroke in its entries. A bad entry gets
// a message beside it and leaves the figures as they were.
class PourPage : public QWidget {
    Q_OBJECT

public:
    explicit PourPage(QWidget* parent = nullptr);
    ~PourPage() override;

    // The last accepted design; until the first one the tab asks for a calculation.
    void setDesign(const mix::DesignNumbers& design);
    // The plan the tab shows, for the report; null without a design or a volume.
    const mix::PourPlan* plan() const { return m_plan ? &*m_plan : nullptr; }
    // The prices behind the cost lines the tab shows, for the order sheet; null when it
    // shows none.
    const mix::PourPrices* prices() const { return m_shownPrices ? &*m_shownPrices : nullptr; }

private:
    struct Entry {
        mix::PourField field;
        QLineEdit* edit;
        QLabel* message;
    };

    // A price, its message and, in the same place, what that part costs: the message covers
    // the cost while it is shown.
    struct PriceEntry {
        mix::PriceField field;
        QLineEdit* edit;
        QLabel* message;
        QLabel* cost;
    };

    void entriesChanged();
    // A bad price keeps its message and leaves every figure, the cost lines too, as it was.
    void pricesChanged();
    void writeCost();
    void clearCost();
    void writeFigures(const mix::PourPlan& plan);
    void clearFigures();
    void showMessage(mix::PourField field, const QString& message);
    void showPriceMessage(mix::PriceField field, const QString& message);

    std::unique_ptr<Ui::PourPage> m_ui;
    std::vector<Entry> m_entries;
    std::vector<PriceEntry> m_priceEntries;
    mix::PourPrices m_prices;
    QHash<QString, QLabel*> m_figures; // by object name, as the engine names the figures
    std::optional<mix::FinalMix> m_mix;
    std::optional<mix::PourPlan> m_plan;
    std::optional<mix::PourPrices> m_shownPrices;
};
