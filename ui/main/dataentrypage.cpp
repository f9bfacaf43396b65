#include "ui/main/dataentrypage.h"

#include "ui/main/keyboardhint.h"
#include "ui/main/numberkeyfilter.h"
#include "ui_dataentrypage.h"

#include "engine/picklists.h"
#include "ui/common/activatable.h"
#include "ui/common/artwork.h"
#include "ui/common/designfont.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "ui/common/utf8text.h"
#include <algorithm>
#include <cmath>

namespace {

const QColor doseOnBackground(255, 255, 255);
const QColor doseOffBackground(192, 192, 192);

void setBackground(QWidget* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::All, QPalette::Base, colour);
    field->setPalette(palette);
}

// White and light grey are fixed colours, so the typed text on them is fixed dark too, and the
// dose kept in a disabled field stays readable: its grey has more than 3:1 against either.
void setFixedBackground(QWidget* field, const QColor& colour)
{
    setBackground(field, colour);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Active, QPalette::Text, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    field->setPalette(palette);
}

std::string utf8(const QString& text) { return text.toStdString(); }

} // namespace

DataEntryPage::DataEntryPage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::DataEntryPage>())
{
    m_ui->setupUi(this);

    auto* keys = new NumberKeyFilter(this);
    for (QWidget* field : {m_ui->Text2, m_ui->Text3, m_ui->Text4})
        keys->watch(field);

    // The dose field starts disabled but on the ordinary background; grey comes only
    // from a click on "without admixture".
    setBackground(m_ui->Text3, m_ui->Text3->palette().color(QPalette::Active, QPalette::Base));
    m_ui->Text3->setEnabled(false);
    m_ui->Label26_0->setEnabled(false);
    m_ui->Command2->setEnabled(false);
    // Return or Enter on a focused button clicks it, as Space does.
    for (QPushButton* button : {m_ui->Command1, m_ui->Command2, m_ui->Command6})
        button->setAutoDefault(true);
    m_ui->Image1->setCursor(linkCursor(devicePixelRatioF()));

    connect(m_ui->Check1, &QCheckBox::clicked, this, &DataEntryPage::Check1_Click);
    connect(m_ui->Check2, &QCheckBox::clicked, this, &DataEntryPage::Check2_Click);
    connect(m_ui->Check3, &QCheckBox::clicked, this, &DataEntryPage::Check3_Click);
    connect(m_ui->Check4, &QCheckBox::clicked, this, &DataEntryPage::Check4_Click);
    connect(m_ui->Command1, &QPushButton::clicked, this, &DataEntryPage::calculateClicked);
    connect(m_ui->Command2, &QPushButton::clicked, this, &DataEntryPage::printClicked);
    connect(m_ui->Command6, &QPushButton::clicked, this, &DataEntryPage::exitClicked);
    connect(m_ui->Image1, &PictureLabel::clicked, this, &DataEntryPage::homeLinkClicked);
    makeActivatable(m_ui->Image1, QAccessible::Link, m_ui->Image1->toolTip(), [this] { emit homeLinkClicked(); });

    // A hint is a tooltip for the mouse; a screen reader hears it with the field it explains,
    // and a keyboard user sees it on reaching the field.
    const std::pair<QWidget*, QWidget*> hints[] = {{m_ui->Text2, m_ui->Image2},
                                                   {m_ui->Combo1, m_ui->Image3},
                                                   {m_ui->Combo2, m_ui->Image4},
                                                   {m_ui->Text4, m_ui->Image5},
                                                   {m_ui->Text3, m_ui->Image6}};
    auto* keyboardHint = new KeyboardHint(this);
    for (const auto& [field, hint] : hints) {
        field->setAccessibleDescription(hint->toolTip());
        keyboardHint->watch(field, hint);
    }

    m_noteDesigned = m_ui->Text6->geometry();
    m_frameDesigned = m_ui->Frame6_0->geometry();
    connect(m_ui->Text6->document(), &QTextDocument::contentsChanged, this, &DataEntryPage::fitPerBagNote);
}

void DataEntryPage::fitPerBagNote()
{
    QPlainTextEdit* note = m_ui->Text6;
    QGroupBox* frame = m_ui->Frame6_0;
    const int frameBottomGap = m_frameDesigned.height() - m_noteDesigned.bottom() - 1;
    const int mostFrameHeight = std::max(m_frameDesigned.height(), height() - m_frameDesigned.y() - 1);
    const auto neededHeight = [note](const QFont& font) {
        const int margin = int(std::ceil(note->document()->documentMargin()));
        const int chrome = 2 * note->frameWidth() + 2 * margin;
        const QRect text = QFontMetrics(font).boundingRect(QRect(0, 0, note->width() - chrome, 100000),
                                                           Qt::TextWordWrap, note->toPlainText());
        return text.height() + chrome + 2;
    };
    QFont font = designFont();
    int needed = neededHeight(font);
    // Never below 7 points, where Thai marks stop reading well; past that the bar comes back.
    while (m_noteDesigned.y() + needed + frameBottomGap > mostFrameHeight && font.pointSizeF() > 7.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        needed = neededHeight(font);
    }
    note->setFont(font);
    const int noteHeight = std::max(m_noteDesigned.height(), needed);
    const int frameHeight =
        std::clamp(m_noteDesigned.y() + noteHeight + frameBottomGap, m_frameDesigned.height(), mostFrameHeight);
    frame->resize(m_frameDesigned.width(), frameHeight);
    note->resize(m_noteDesigned.width(), std::min(noteHeight, frameHeight - frameBottomGap - m_noteDesigned.y()));
}

DataEntryPage::~DataEntryPage() = default;

void DataEntryPage::fillLists()
{
    for (const auto item : mix::slumpItems())
        m_ui->Combo1->addItem(fromUtf8(item));
    for (const auto item : mix::stoneItems())
        m_ui->Combo2->addItem(fromUtf8(item));
    // Adding to an empty list selects its first item; the lists start with nothing picked.
    m_ui->Combo1->setCurrentIndex(-1);
    m_ui->Combo2->setCurrentIndex(-1);
}

mix::MixInputs DataEntryPage::inputs() const
{
    mix::MixInputs in;
    in.strengthText = utf8(m_ui->Text2->text());
    in.cubeChecked = m_ui->Check1->isChecked();
    in.cylinderChecked = m_ui->Check2->isChecked();
    in.slumpItem = utf8(m_ui->Combo1->currentText());
    in.stoneItem = utf8(m_ui->Combo2->currentText());
    in.admixtureChecked = m_ui->Check3->isChecked();
    in.noAdmixtureChecked = m_ui->Check4->isChecked();
    in.doseText = utf8(m_ui->Text3->text());
    in.moistureText = utf8(m_ui->Text4->text());
    return in;
}

void DataEntryPage::enablePrint() { m_ui->Command2->setEnabled(true); }

void DataEntryPage::applyFocusOrder()
{
    // The picture link comes last, after the designed order.
    QWidget* const order[] = {m_ui->Text2,  m_ui->Combo1,   m_ui->Combo2,   m_ui->Text3,    m_ui->Text4,
                              m_ui->Text6,  m_ui->Command1, m_ui->Command6, m_ui->Command2, m_ui->Check1,
                              m_ui->Check2, m_ui->Check3,   m_ui->Check4,   m_ui->Image1};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void DataEntryPage::focusFirstField() { m_ui->Text2->setFocus(Qt::OtherFocusReason); }

void DataEntryPage::Check1_Click() { m_ui->Check2->setChecked(false); }

void DataEntryPage::Check2_Click() { m_ui->Check1->setChecked(false); }

void DataEntryPage::Check3_Click()
{
    m_ui->Check4->setChecked(false);
    setDoseField(true, doseOnBackground);
}

void DataEntryPage::Check4_Click()
{
    m_ui->Check3->setChecked(false);
    setDoseField(false, doseOffBackground);
}

void DataEntryPage::setDoseField(bool enabled, const QColor& background)
{
    m_ui->Text3->setEnabled(enabled);
    m_ui->Label26_0->setEnabled(enabled);
    setFixedBackground(m_ui->Text3, background);
}
