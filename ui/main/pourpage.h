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
// a message beside it; the figures it feeds stay in view greyed as out of date, and the order
// goes to no sheet until the entry is mended.
class PourPage : public QWidget {
    Q_OBJECT

public:
    explicit PourPage(QWidget* parent = nullptr);
    ~PourPage() override;

    // The last accepted design; until the first one the tab asks for a calculation.
    void setDesign(const mix::DesignNumbers& design);
    // The plan the tab shows, for the report; null without a design or a volume, and while
    // any entry is bad.
    const mix::PourPlan* plan() const { return m_plan ? &*m_plan : nullptr; }
    // The prices behind the cost lines the tab shows, for the order sheet; null when it
    // shows none.
    const mix::PourPrices* prices() const { return m_shownPrices ? &*m_shownPrices : nullptr; }

protected:
    // The error texts are chosen against the page's own background, so they follow a new palette.
    void changeEvent(QEvent* event) override;

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

    enum class Figures { Batch, Order, All };

    void entriesChanged();
    mix::PourEntries typedEntries() const;
    // One mixer batch needs the design and the batch's own measures, never the volume. Each
    // returns whether its figures are up to date.
    bool planBatch();
    bool planOrder(const mix::PourReading& reading);
    bool isBatchFigure(const QLabel* label) const;
    void writeFigures(const mix::PourPlan& plan, Figures which);
    void clearFigures(Figures which);
    void showMessage(mix::PourField field, const QString& message);
    void showStale(bool batch, bool order);
    void paintMessages();
    // A bad price keeps its message and leaves every figure, the cost lines too, as it was.
    void pricesChanged();
    void writeCost();
    void clearCost();
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
