#pragma once

#include <QByteArray>
#include <QWidget>

#include <memory>

namespace Ui {
class DetailsPages;
}
namespace mix {
struct Design;
}
class DurabilityChartDialog;

// The calculation-details tab: three pages stacked in one place, turned by arrow pictures.
// Stacking does the work: Frame1 lies in front of Frame2, Frame2 in front of Frame6(1) and
// Frame6(1) in front of Frame5, so hiding the front pages uncovers the ones behind. The arrows
// are buttons for the keyboard and screen readers too, and PageUp/PageDown turn the pages.
class DetailsPages : public QWidget {
    Q_OBJECT

public:
    explicit DetailsPages(QWidget* parent = nullptr);
    ~DetailsPages() override;

    // After an accepted Calculate: every page shown, page 1 in front.
    void showPages();
    // Page 3's mix frame sits inside the page frame, just below that frame's border line, so its
    // caption band never crosses the line; call once the frames have their style and font.
    void keepInnerFrameBelowBorder();
    // The figures are of entries no longer on screen: greyed, with a note under the pages.
    void showStale(bool stale);
    // Page 3, under the final mix: the verdict on the design's exposure class and the button to
    // its chart; nothing of either without a class.
    void showDurability(const mix::Design& design);

private:
    void Image11_Click();
    void Image9_Click();
    void Image10_Click();
    void Image7_Click();
    void turn(QWidget* hide, QWidget* show, const QString& pageLabel, QWidget* nextFocus);
    void pageDown();
    void pageUp();
    void namePage(const QString& pageLabel);
    void showDurabilityChart();

    std::unique_ptr<Ui::DetailsPages> m_ui;
    QByteArray m_chart; // the shown design's exposure chart, empty without a class
    DurabilityChartDialog* m_chartDialog = nullptr;
};
