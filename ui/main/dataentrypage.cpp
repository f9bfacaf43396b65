#include "ui/main/dataentrypage.h"

#include "ui/main/numberkeyfilter.h"
#include "ui_dataentrypage.h"

#include "engine/picklists.h"
#include "ui/common/artwork.h"
#include "ui/common/utf8text.h"

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
    QWidget* const order[] = {m_ui->Text2,  m_ui->Combo1,   m_ui->Combo2,   m_ui->Text3,    m_ui->Text4,
                              m_ui->Text6,  m_ui->Command1, m_ui->Command6, m_ui->Command2, m_ui->Check1,
                              m_ui->Check2, m_ui->Check3,   m_ui->Check4};
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
