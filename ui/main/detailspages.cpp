#include "ui/main/detailspages.h"

#include "ui/main/durabilitychartdialog.h"
#include "ui/main/framecaptions.h"
#include "ui_detailspages.h"

#include "engine/design.h"
#include "engine/texts/exposurewords.h"
#include "format/durabilitychart.h"
#include "ui/common/activatable.h"
#include "ui/common/utf8text.h"

#include <QApplication>
#include <QLabel>
#include <QShortcut>

namespace {

constexpr char kNextPage[] = "หน้าถัดไป";
constexpr char kPreviousPage[] = "หน้าก่อน";
constexpr char kPageOf[] = "หน้า %1 จาก %2";

struct PageColours {
    QColor background;
    QColor caption;
};

// The pages have fixed light backgrounds, so their labels get a fixed dark text rather than
// the desktop's text colour, which a dark theme would make unreadable there. A frame's own
// caption takes the frame's caption colour.
// A greyed figure keeps 4.5:1 on the lightest page and on the darkest.
void paint(QGroupBox* frame, const PageColours& colours)
{
    const QColor text(Qt::black);
    const QColor greyed(80, 80, 80);
    QPalette palette = frame->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, colours.background);
    // Styles differ in which role they draw a frame's caption with.
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colours.caption);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    // A frame inside a page is a subheading in the page's caption colour on its ground.
    for (QGroupBox* inner : frame->findChildren<QGroupBox*>()) {
        inner->setPalette(palette);
        inner->setAutoFillBackground(false);
    }
    for (QLabel* label : frame->findChildren<QLabel*>()) {
        QPalette own = label->palette();
        own.setColor(QPalette::WindowText, text);
        own.setColor(QPalette::Disabled, QPalette::WindowText, greyed);
        label->setPalette(own);
    }
}

} // namespace

DetailsPages::DetailsPages(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::DetailsPages>())
{
    m_ui->setupUi(this);

    paint(m_ui->Frame1, {QColor(255, 255, 192), QColor(255, 0, 0)});
    paint(m_ui->Frame2, {QColor(255, 224, 192), QColor(0, 0, 192)});
    paint(m_ui->Frame5, {QColor(255, 192, 128), QColor(192, 0, 192)});
    paint(m_ui->Frame6_1, {QColor(255, 192, 192), QColor(0, 0, 255)});

    for (QWidget* hidden : {m_ui->Frame1, m_ui->Frame2, m_ui->Frame5, m_ui->Frame6_1})
        hidden->hide();
    m_ui->Image7->hide();
    m_ui->Image9->hide();
    m_ui->detailsStaleNote->hide();

    const std::pair<PictureLabel*, void (DetailsPages::*)()> arrows[] = {{m_ui->Image11, &DetailsPages::Image11_Click},
                                                                         {m_ui->Image9, &DetailsPages::Image9_Click},
                                                                         {m_ui->Image10, &DetailsPages::Image10_Click},
                                                                         {m_ui->Image7, &DetailsPages::Image7_Click}};
    for (const auto& [arrow, click] : arrows) {
        const bool next = arrow == m_ui->Image11 || arrow == m_ui->Image10;
        makeActivatable(arrow, QAccessible::Button, QString::fromUtf8(next ? kNextPage : kPreviousPage),
                        [this, turn = click] { (this->*turn)(); });
        connect(arrow, &PictureLabel::clicked, this, click);
    }
    // Read from the tab bar or from an arrow alike; the shortcuts live only while the tab shows.
    for (const auto& [key, turn] :
         {std::pair{Qt::Key_PageDown, &DetailsPages::pageDown}, std::pair{Qt::Key_PageUp, &DetailsPages::pageUp}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, turn);
    }
    namePage(m_ui->Label81->text());

    // The button in the desktop's own colours, not the page's.
    QPalette own = QApplication::palette();
    own.setResolveMask(~QPalette::ResolveMask(0));
    m_ui->durabilityChartButton->setPalette(own);
    m_ui->durabilityChartButton->setText(fromUtf8(mix::exposurewords::kChartTitle));
    m_ui->durabilityChartButton->setAccessibleName(m_ui->durabilityChartButton->text());
    m_ui->durabilityVerdict->hide();
    m_ui->durabilityChartButton->hide();
    connect(m_ui->durabilityChartButton, &QPushButton::clicked, this, &DetailsPages::showDurabilityChart);
    setTabOrder(m_ui->durabilityChartButton, m_ui->Image7);
}

DetailsPages::~DetailsPages() = default;

void DetailsPages::showDurability(const mix::Design& design)
{
    const mix::DurabilityText& t = design.durabilityText;
    const bool judged = design.durability.has_value();
    QString verdict;
    if (judged) {
        verdict = fromUtf8(t.exposure) + QLatin1Char('\n') + fromUtf8(t.verdict);
        if (!t.least.empty())
            verdict += QLatin1Char('\n') + fromUtf8(t.least);
    }
    m_ui->durabilityVerdict->setText(verdict);
    m_ui->durabilityVerdict->setAccessibleName(verdict);
    m_ui->durabilityVerdict->setVisible(judged);
    m_ui->durabilityChartButton->setVisible(judged);
    m_chart = QByteArray::fromStdString(format::durabilityChartSvg(design));
    // An open chart follows the design on screen.
    if (m_chartDialog && m_chartDialog->isVisible()) {
        if (m_chart.isEmpty())
            m_chartDialog->hide();
        else
            m_chartDialog->showChart(m_chart);
    }
}

void DetailsPages::showDurabilityChart()
{
    if (m_chart.isEmpty())
        return;
    if (!m_chartDialog)
        m_chartDialog = new DurabilityChartDialog(this);
    m_chartDialog->showChart(m_chart);
}

void DetailsPages::keepInnerFrameBelowBorder()
{
    const int below = frameLineTop(m_ui->Frame5) + 2;
    if (m_ui->Frame6_1->y() < below)
        m_ui->Frame6_1->move(m_ui->Frame6_1->x(), below);
}

void DetailsPages::showStale(bool stale)
{
    for (QGroupBox* page : {m_ui->Frame1, m_ui->Frame2, m_ui->Frame5, m_ui->Frame6_1})
        for (QLabel* label : page->findChildren<QLabel*>())
            label->setEnabled(!stale);
    m_ui->detailsStaleNote->setVisible(stale);
}

void DetailsPages::showPages()
{
    for (QWidget* page : {m_ui->Frame1, m_ui->Frame2, m_ui->Frame5, m_ui->Frame6_1})
        page->show();
    m_ui->Image7->show();
    m_ui->Image9->show();
    // Page 1 is in front again, so the label names it rather than the page last turned to.
    m_ui->Label81->setText(QStringLiteral("1/3"));
    namePage(m_ui->Label81->text());
}

// An arrow that turns the page hides with its page, so the focus goes on to the arrow of the
// new page that keeps the same direction, or to its only arrow.
void DetailsPages::Image11_Click() { turn(m_ui->Frame1, m_ui->Frame2, QStringLiteral("2/3"), m_ui->Image10); }

void DetailsPages::Image9_Click() { turn(m_ui->Frame2, m_ui->Frame1, QStringLiteral("1/3"), m_ui->Image11); }

void DetailsPages::Image10_Click() { turn(m_ui->Frame2, m_ui->Frame5, QStringLiteral("3/3"), m_ui->Image7); }

void DetailsPages::Image7_Click() { turn(m_ui->Frame5, m_ui->Frame2, QStringLiteral("2/3"), m_ui->Image9); }

void DetailsPages::turn(QWidget* hide, QWidget* show, const QString& pageLabel, QWidget* nextFocus)
{
    const bool hadFocus = hide->isAncestorOf(QApplication::focusWidget());
    hide->hide();
    show->show();
    m_ui->Label81->setText(pageLabel);
    namePage(pageLabel);
    if (hadFocus)
        nextFocus->setFocus(Qt::OtherFocusReason);
}

// The pages are turned as the arrows would, so only what an arrow could do happens: nothing
// before the first Calculate, nothing past the first or last page.
void DetailsPages::pageDown()
{
    if (m_ui->Frame1->isVisibleTo(this))
        Image11_Click();
    else if (m_ui->Frame2->isVisibleTo(this))
        Image10_Click();
}

void DetailsPages::pageUp()
{
    if (m_ui->Frame1->isVisibleTo(this))
        return;
    if (m_ui->Frame2->isVisibleTo(this))
        Image9_Click();
    else if (m_ui->Frame5->isVisibleTo(this))
        Image7_Click();
}

// "2/3" read aloud is a fraction; a screen reader hears which page of how many, from the label
// and from every arrow, so the page is announced where the focus lands after a turn.
void DetailsPages::namePage(const QString& pageLabel)
{
    const QStringList parts = pageLabel.split(QLatin1Char('/'));
    const QString spoken = parts.size() == 2 ? QString::fromUtf8(kPageOf).arg(parts[0], parts[1]) : pageLabel;
    m_ui->Label81->setAccessibleName(spoken);
    for (QWidget* arrow : {m_ui->Image11, m_ui->Image9, m_ui->Image10, m_ui->Image7})
        arrow->setAccessibleDescription(spoken);
}
