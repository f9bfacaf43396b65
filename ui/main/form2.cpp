#include "ui/main/form2.h"

#include "ui/main/compacttabs.h"
#include "ui/main/criteriatext.h"
#include "ui/main/exitshortcutguard.h"
#include "ui/main/framecaptions.h"
#include "ui/main/menubarchoice.h"
#include "ui/main/resultspage.h"
#include "ui/main/statuspanels.h"
#include "ui/main/windowtexts.h"
#include "ui_form2.h"

#include "ui/common/designfont.h"
#include "ui/common/placement.h"
#include "ui/common/utf8text.h"
#include "ui/common/valuelabel.h"
#include "ui/common/weblink.h"

#include "engine/numbers.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStatusBar>

namespace {

constexpr int clientWidth = 625;
constexpr int clientHeight = 431;
constexpr int savedMessageMs = 15000;

constexpr char kOlderDesignQuestion[] = "ข้อมูลบนหน้าจอเปลี่ยนไปหลังการคำนวณครั้งล่าสุด "
                                        "ผลที่จะได้เป็นของข้อมูลเดิม ต้องการทำต่อหรือไม่?";
constexpr char kOlderDesignTitle[] = "ผลเป็นของข้อมูลเดิม";
constexpr char kSaved[] = "บันทึกแล้ว: ";
constexpr char kUnsavedResultsQuestion[] = "ผลทดสอบกำลังอัดในตารางยังไม่ได้บันทึก ต้องการออกโดยไม่บันทึกหรือไม่?";
constexpr char kUnsavedResultsTitle[] = "ผลทดสอบยังไม่ได้บันทึก";

// Control arrays become object names with the index after an underscore: Label15(0) -> Label15_0.
QString objectNameOf(const QString& designName)
{
    QString name = designName;
    name.replace(QLatin1Char('('), QLatin1Char('_'));
    name.remove(QLatin1Char(')'));
    return name;
}

} // namespace

Form2::Form2(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::Form2>()), m_prompter(prompter)
{
    setFont(designFont());
    m_ui->setupUi(this);
    keepTabsCompact(m_ui->SSTab1);
    setWindowTitle(applicationTitle());
    m_ui->dataEntryPage->applyFocusOrder();
    padFrameCaptions(this);
    showKeyboardChoice(menuBar());
    m_ui->detailsPages->keepInnerFrameBelowBorder();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    for (QWidget* widget : findChildren<QWidget*>())
        if (!widget->objectName().isEmpty())
            m_controls.insert(widget->objectName(), widget);

    QPalette criteria = m_ui->Text1->palette();
    criteria.setColor(QPalette::All, QPalette::Base, criteria.color(QPalette::Active, QPalette::Button));
    m_ui->Text1->setPalette(criteria);
    // The design gives the criteria box no scroll bar: one size smaller, its 2430 characters
    // take 18 lines of the box's 22 and all show.
    m_ui->Text1->setFont(designFont(7.5));

    fillStatusBar(statusBar(), QDate::currentDate());
    m_ui->savepdf->setEnabled(false);
    m_ui->preview->setEnabled(false);
    m_ui->printcard->setEnabled(false);
    m_ui->savecardpdf->setEnabled(false);
    connectMenus();

    auto* guard = new ExitShortcutGuard(m_ui->exitme, this);
    for (QWidget* text : findChildren<QLineEdit*>())
        guard->watch(text);
    for (QWidget* text : findChildren<QPlainTextEdit*>())
        guard->watch(text);

    connect(m_ui->dataEntryPage, &DataEntryPage::calculateClicked, this, &Form2::Command1_Click);
    connect(m_ui->dataEntryPage, &DataEntryPage::printClicked, this,
            [this] { requestWithDesign(&Form2::printRequested); });
    connect(m_ui->dataEntryPage, &DataEntryPage::entriesChanged, this, &Form2::entriesChanged);
    connect(m_ui->resultsPage, &ResultsPage::saved, this, &Form2::showSaved);
    // Calculate from any tab and any field, as the button would.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* calculate = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        calculate->setContext(Qt::WindowShortcut);
        connect(calculate, &QShortcut::activated, this, &Form2::Command1_Click);
    }
    connect(m_ui->dataEntryPage, &DataEntryPage::exitClicked, this, &Form2::exitQuestion);
    connect(m_ui->dataEntryPage, &DataEntryPage::homeLinkClicked, this, [this] { openSitePage(QString()); });

    // The status bar is part of the designed client area; the menu bar comes on top of it.
    setFixedSize(clientWidth, menuBar()->sizeHint().height() + clientHeight);
    placeOnScreen(this);

    Form_Load();
    nameEmptyValueLabels(this);
    m_ui->dataEntryPage->focusFirstField();
}

Form2::~Form2() = default;

const mix::Design* Form2::shownDesign() const { return m_accepted ? m_ui->pourPage->design() : nullptr; }

QString Form2::caption(const QString& control) const
{
    QWidget* widget = this->control(control);
    if (const auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (const auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (const auto* text = qobject_cast<QPlainTextEdit*>(widget))
        return text->toPlainText();
    if (const auto* box = qobject_cast<QGroupBox*>(widget))
        return box->title();
    if (const auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (const auto* list = qobject_cast<QComboBox*>(widget))
        return list->currentText();
    return {};
}

void Form2::Form_Load()
{
    m_ui->dataEntryPage->fillLists();
    m_ui->Text1->setPlainText(designCriteriaText());
}

void Form2::Command1_Click()
{
    mix::Design design =
        mix::designOf({m_ui->dataEntryPage->inputs(), m_ui->pourPage->entryTexts(), m_ui->dataEntryPage->exposure()});
    if (design.refusal) {
        refuse(*design.refusal);
        return;
    }
    m_accepted = std::move(design);
    writeTexts(m_accepted->result->texts);
    entriesChanged();
    m_ui->dataEntryPage->enablePrint();
    m_ui->savepdf->setEnabled(true);
    m_ui->preview->setEnabled(true);
    m_ui->printcard->setEnabled(true);
    m_ui->savecardpdf->setEnabled(true);
    m_ui->detailsPages->showPages();
    m_ui->detailsPages->showDurability(*m_accepted);
    m_ui->pourPage->setDesign(*m_accepted);
    const mix::MixInputs& in = m_accepted->entries.design;
    if (const auto strength = mix::parseNumber(in.strengthText))
        m_ui->resultsPage->setDesign(*strength, in.cylinderChecked ? mix::Specimen::Cylinder : mix::Specimen::Cube);
}

ResultsPage* Form2::resultsPage() const { return m_ui->resultsPage; }

void Form2::closeEvent(QCloseEvent* event)
{
    if (m_ui->resultsPage->modified()) {
        if (!agreed(kUnsavedResultsQuestion, kUnsavedResultsTitle)) {
            m_ui->SSTab1->setCurrentWidget(m_ui->resultsPage);
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

bool Form2::resultsStale() const
{
    return m_accepted && !(m_ui->dataEntryPage->inputs() == m_accepted->entries.design &&
                           m_ui->dataEntryPage->exposure() == m_accepted->entries.exposure);
}

void Form2::entriesChanged()
{
    const bool stale = resultsStale();
    m_ui->dataEntryPage->showStale(stale);
    m_ui->detailsPages->showStale(stale);
}

bool Form2::olderDesignAgreed() { return !resultsStale() || agreed(kOlderDesignQuestion, kOlderDesignTitle); }

bool Form2::agreed(const char* question, const char* title)
{
    // No is the default: both questions guard against doing what the user did not mean.
    MessageBoxSpec box;
    box.text = QString::fromUtf8(question);
    box.title = QString::fromUtf8(title);
    box.icon = QMessageBox::Question;
    box.buttons = QMessageBox::Yes | QMessageBox::No;
    box.defaultButton = QMessageBox::No;
    return m_prompter.ask(this, box) == QMessageBox::Yes;
}

void Form2::requestWithDesign(void (Form2::*request)())
{
    if (olderDesignAgreed())
        emit(this->*request)();
}

void Form2::showSaved(const QString& file)
{
    statusBar()->showMessage(QString::fromUtf8(kSaved) + QFileInfo(file).fileName(), savedMessageMs);
}

void Form2::refuse(const mix::CalcError& error)
{
    MessageBoxSpec box;
    box.text = fromUtf8(error.message);
    box.title = fromUtf8(error.title);
    box.icon = QMessageBox::Question;
    box.buttons = QMessageBox::Ok;
    m_prompter.ask(this, box);
    activateWindow();
    if (error.kind == mix::ErrorKind::Incomplete || error.kind == mix::ErrorKind::DoseMissing)
        m_ui->dataEntryPage->markEmptyFields();
    if (QWidget* field = control(fromUtf8(error.focus)))
        field->setFocus(Qt::OtherFocusReason);
}

void Form2::writeTexts(const mix::ResultTexts& texts)
{
    for (const auto& [name, text] : texts.items()) {
        QWidget* widget = control(fromUtf8(name));
        if (auto* label = qobject_cast<QLabel*>(widget))
            setValueText(label, fromUtf8(text));
        else if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            box->setPlainText(fromUtf8(text));
        else
            qWarning("No control %s for a result text", qPrintable(fromUtf8(name)));
    }
}

QWidget* Form2::control(const QString& designName) const { return m_controls.value(objectNameOf(designName)); }

void Form2::exitQuestion()
{
    MessageBoxSpec box;
    box.text = QString::fromUtf8(windowtext::kExitQuestion);
    box.title = QString::fromUtf8(windowtext::kExitTitle);
    box.icon = QMessageBox::Question;
    box.buttons = QMessageBox::Yes | QMessageBox::No;
    box.defaultButton = QMessageBox::Yes;
    if (m_prompter.ask(this, box) == QMessageBox::Yes)
        close();
}

void Form2::openSitePage(const QString& path) { openWebLink(this, siteBaseAddress() + path, m_prompter); }

void Form2::connectMenus()
{
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setFont(font());
    m_ui->drev->setText(siteName());

    connect(m_ui->setprint, &QAction::triggered, this, &Form2::printSetupRequested);
    const std::pair<QAction*, void (Form2::*)()> requests[] = {{m_ui->savepdf, &Form2::savePdfRequested},
                                                               {m_ui->preview, &Form2::previewRequested},
                                                               {m_ui->printcard, &Form2::cardRequested},
                                                               {m_ui->savecardpdf, &Form2::cardPdfRequested}};
    for (const auto& [entry, request] : requests)
        connect(entry, &QAction::triggered, this, [this, request = request] { requestWithDesign(request); });
    connect(m_ui->exitme, &QAction::triggered, this, &Form2::exitQuestion);
    connect(m_ui->product, &QAction::triggered, this, &Form2::aboutRequested);

    const std::pair<QAction*, const char*> links[] = {
        {m_ui->drev, ""},          {m_ui->club, "/bolmiradex"},   {m_ui->crose, "/bolmiradex"},
        {m_ui->shop, "/shopping"}, {m_ui->download, "/software"}, {m_ui->educate, "/bolmiradex"},
    };
    for (const auto& [entry, path] : links)
        connect(entry, &QAction::triggered, this, [this, path = QString::fromLatin1(path)] { openSitePage(path); });
}
