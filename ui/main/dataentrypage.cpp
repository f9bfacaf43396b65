#include "ui/main/dataentrypage.h"

#include "ui/main/exposurelist.h"
#include "ui/main/keyboardhint.h"
#include "ui/main/numberkeyfilter.h"
#include "ui_dataentrypage.h"

#include "engine/picklists.h"
#include "engine/texts/choicewords.h"
#include "ui/common/activatable.h"
#include "ui/common/artwork.h"
#include "ui/common/contrast.h"
#include "ui/common/designfont.h"
#include "ui/common/utf8text.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

const QColor doseOffBackground(192, 192, 192);
const QColor errorColour(192, 0, 0);

constexpr char kEmptyField[] = "ช่องนี้ยังว่าง";

// Light grey is a fixed colour, so the dose kept in the disabled field is fixed dark grey on
// it: more than 3:1, whatever the desktop's palette.
void setGreyBackground(QWidget* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::All, QPalette::Base, doseOffBackground);
    palette.setColor(QPalette::Active, QPalette::Text, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    field->setPalette(palette);
}

// A frame drawn around a field from outside it, so it shows whatever the style draws inside.
class ErrorFrame : public QWidget {
public:
    ErrorFrame(QWidget* field) : QWidget(field->parentWidget())
    {
        setObjectName(field->objectName() + QStringLiteral("Empty"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(field->geometry().adjusted(-2, -2, 2, 2));
        stackUnder(field);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor ground = parentWidget()->palette().color(QPalette::Active, QPalette::Window);
        painter.setPen(QPen(legibleColour(errorColour, {ground}, 3.0), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

bool isEmpty(const QWidget* field)
{
    if (const auto* text = qobject_cast<const QLineEdit*>(field))
        return text->text().isEmpty();
    if (const auto* list = qobject_cast<const QComboBox*>(field))
        return list->currentIndex() < 0;
    return false;
}

std::string utf8(const QString& text) { return text.toStdString(); }

} // namespace

DataEntryPage::DataEntryPage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::DataEntryPage>())
{
    m_ui->setupUi(this);

    auto* keys = new NumberKeyFilter(this);
    for (QWidget* field : {m_ui->Text2, m_ui->Text3})
        keys->watch(field);
    // The exposure class is chosen only now and then: Return after the moisture still lands on
    // Calculate, as on the page; Tab goes through the class.
    keys->watch(m_ui->Text4, m_ui->Command1);

    // The dose field starts disabled but on the ordinary background; grey comes only
    // from a click on "without admixture".
    m_ui->Text3->setEnabled(false);
    keepOrdinaryBackground();
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

    m_stoneHint = m_ui->Image4->toolTip();
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_ui->Text2, m_ui->Combo1, m_ui->Combo2, m_ui->Text4, m_ui->Text3})
        m_required.push_back({field, field->accessibleDescription(), new ErrorFrame(field)});
    for (QLineEdit* text : {m_ui->Text2, m_ui->Text3, m_ui->Text4})
        connect(text, &QLineEdit::textChanged, this, &DataEntryPage::entriesChanged);
    for (QComboBox* list : {m_ui->Combo1, m_ui->Combo2})
        connect(list, &QComboBox::currentIndexChanged, this, &DataEntryPage::entriesChanged);
    for (QCheckBox* box : {m_ui->Check1, m_ui->Check2, m_ui->Check3, m_ui->Check4})
        connect(box, &QCheckBox::toggled, this, &DataEntryPage::entriesChanged);
    fillExposureList(m_ui->exposureList, m_ui->exposureLabel);
    connect(m_ui->exposureList, &QComboBox::currentIndexChanged, this, &DataEntryPage::entriesChanged);
    connect(this, &DataEntryPage::entriesChanged, this, &DataEntryPage::updateMarks);
    connect(m_ui->Combo2, &QComboBox::currentIndexChanged, this, &DataEntryPage::showStoneSize);
    m_ui->resultsStaleNote->hide();
    paintForPalette();

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

mix::Exposure DataEntryPage::exposure() const { return chosenExposure(m_ui->exposureList); }

void DataEntryPage::enablePrint() { m_ui->Command2->setEnabled(true); }

void DataEntryPage::applyFocusOrder()
{
    // Return in the moisture field moves on, so Calculate follows it rather than the picture
    // link beside the buttons, which a second Return would open.
    QWidget* const order[] = {m_ui->Check1,   m_ui->Check2,   m_ui->Check3,   m_ui->Text3,  m_ui->Check4,
                              m_ui->Text2,    m_ui->Combo1,   m_ui->Combo2,   m_ui->Text4,  m_ui->exposureList,
                              m_ui->Command1, m_ui->Command2, m_ui->Command6, m_ui->Image1, m_ui->Text6};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void DataEntryPage::focusFirstField() { m_ui->Text2->setFocus(Qt::OtherFocusReason); }

void DataEntryPage::Check1_Click() { m_ui->Check2->setChecked(false); }

void DataEntryPage::Check2_Click() { m_ui->Check1->setChecked(false); }

void DataEntryPage::Check3_Click()
{
    m_ui->Check4->setChecked(false);
    setDoseField(true);
}

void DataEntryPage::Check4_Click()
{
    m_ui->Check3->setChecked(false);
    setDoseField(false);
}

void DataEntryPage::setDoseField(bool enabled)
{
    m_ui->Text3->setEnabled(enabled);
    m_ui->Label26_0->setEnabled(enabled);
    // With admixture the field is an ordinary one, in the desktop's colours, dark or light.
    m_doseGrey = !enabled;
    if (enabled)
        m_ui->Text3->setPalette(QPalette());
    else
        setGreyBackground(m_ui->Text3);
}

void DataEntryPage::keepOrdinaryBackground()
{
    QPalette palette;
    palette.setColor(QPalette::Disabled, QPalette::Base, this->palette().color(QPalette::Active, QPalette::Base));
    m_ui->Text3->setPalette(palette);
}

void DataEntryPage::showStale(bool stale)
{
    // Disabled labels are drawn greyed, and a screen reader hears them as unavailable.
    m_ui->Frame4_0->setEnabled(!stale);
    m_ui->Frame6_0->setEnabled(!stale);
    m_ui->resultsStaleNote->setVisible(stale);
}

void DataEntryPage::markEmptyFields()
{
    const bool doseWanted = m_ui->Check3->isChecked();
    for (const Required& required : m_required)
        if (isEmpty(required.field) && (required.field != m_ui->Text3 || doseWanted))
            required.mark->show();
    updateMarks();
}

QStringList DataEntryPage::markedFields() const
{
    QStringList names;
    for (const Required& required : m_required)
        if (required.mark->isVisibleTo(this))
            names << required.field->objectName();
    return names;
}

void DataEntryPage::updateMarks()
{
    const bool doseWanted = m_ui->Check3->isChecked();
    for (const Required& required : m_required) {
        const bool stillWanted = isEmpty(required.field) && (required.field != m_ui->Text3 || doseWanted);
        if (!stillWanted)
            required.mark->hide();
        const bool marked = required.mark->isVisibleTo(this);
        QString description = required.hint;
        if (marked)
            description = QString::fromUtf8(kEmptyField) +
                          (description.isEmpty() ? QString() : QStringLiteral(" ") + description);
        if (required.field->accessibleDescription() != description) {
            required.field->setAccessibleDescription(description);
            QAccessibleEvent changed(required.field, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

// The hint beside the stone list tells, after its own words, the size the calculation takes for
// the stone picked.
void DataEntryPage::showStoneSize()
{
    QString hint = m_stoneHint;
    if (const auto stone = mix::stoneFromItem(utf8(m_ui->Combo2->currentText())))
        hint += QStringLiteral(" ") +
                fromUtf8(*stone == mix::Stone::No1 ? mix::choicewords::kStone1Size : mix::choicewords::kStone2Size);
    m_ui->Image4->setToolTip(hint);
    m_ui->Image4->setAccessibleName(hint);
    for (Required& required : m_required)
        if (required.field == m_ui->Combo2)
            required.hint = hint;
    updateMarks();
}

void DataEntryPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        paintForPalette();
}

// The exit door is dark art: on a dark button it stands on a light plate, so it stays in sight.
void DataEntryPage::paintForPalette()
{
    for (const Required& required : m_required)
        required.mark->update();
    if (!m_doseGrey && !m_ui->Text3->isEnabled())
        keepOrdinaryBackground();
    QPushButton* exit = m_ui->Command6;
    const QSize size = exit->iconSize();
    const qreal ratio = devicePixelRatioF();
    const QPixmap door = renderArtwork(QStringLiteral(":/icons/exit.svg"), size, ratio);
    const QColor button = exit->palette().color(QPalette::Active, QPalette::Button);
    const QColor doorColour(0x5b, 0x43, 0x30);
    if (door.isNull() || contrastRatio(button, doorColour) >= 3.0) {
        exit->setIcon(QIcon(QStringLiteral(":/icons/exit.svg")));
        return;
    }
    QPixmap plated(size * ratio);
    plated.setDevicePixelRatio(ratio);
    plated.fill(Qt::transparent);
    QPainter painter(&plated);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 236, 236));
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), 4, 4);
    painter.drawPixmap(0, 0, door);
    painter.end();
    exit->setIcon(QIcon(plated));
}
