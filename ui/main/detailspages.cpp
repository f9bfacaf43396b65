#include "ui/main/detailspages.h"

#include "ui/main/framecaptions.h"
#include "ui_detailspages.h"

#include <QLabel>

namespace {

struct PageColours {
    QColor background;
    QColor caption;
};

// The pages have fixed light backgrounds, so their labels get a fixed dark text rather than
// the desktop's text colour, which a dark theme would make unreadable there. A frame's own
// caption takes the frame's caption colour.
void paint(QGroupBox* frame, const PageColours& colours)
{
    const QColor text(Qt::black);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, colours.background);
    palette.setColor(QPalette::WindowText, colours.caption);
    frame->setPalette(palette);
    frame->setAutoFillBackground(true);
    for (QLabel* label : frame->findChildren<QLabel*>()) {
        QPalette own = label->palette();
        own.setColor(QPalette::WindowText, text);
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

    connect(m_ui->Image11, &PictureLabel::clicked, this, &DetailsPages::Image11_Click);
    connect(m_ui->Image9, &PictureLabel::clicked, this, &DetailsPages::Image9_Click);
    connect(m_ui->Image10, &PictureLabel::clicked, this, &DetailsPages::Image10_Click);
    connect(m_ui->Image7, &PictureLabel::clicked, this, &DetailsPages::Image7_Click);
}

DetailsPages::~DetailsPages() = default;

void DetailsPages::keepInnerFrameBelowBorder()
{
    const int below = frameLineTop(m_ui->Frame5) + 2;
    if (m_ui->Frame6_1->y() < below)
        m_ui->Frame6_1->move(m_ui->Frame6_1->x(), below);
}

void DetailsPages::showPages()
{
    for (QWidget* page : {m_ui->Frame1, m_ui->Frame2, m_ui->Frame5, m_ui->Frame6_1})
        page->show();
    m_ui->Image7->show();
    m_ui->Image9->show();
    // Page 1 is in front again, so the label names it rather than the page last turned to.
    m_ui->Label81->setText(QStringLiteral("1/3"));
}

void DetailsPages::Image11_Click() { turn(m_ui->Frame1, m_ui->Frame2, QStringLiteral("2/3")); }

void DetailsPages::Image9_Click() { turn(m_ui->Frame2, m_ui->Frame1, QStringLiteral("1/3")); }

void DetailsPages::Image10_Click() { turn(m_ui->Frame2, m_ui->Frame5, QStringLiteral("3/3")); }

void DetailsPages::Image7_Click() { turn(m_ui->Frame5, m_ui->Frame2, QStringLiteral("2/3")); }

void DetailsPages::turn(QWidget* hide, QWidget* show, const QString& pageLabel)
{
    hide->hide();
    show->show();
    m_ui->Label81->setText(pageLabel);
}
