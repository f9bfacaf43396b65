// Renders the main window with the first worked example calculated, one PNG per view, and the
// print preview of its report, so the layout can be looked at without clicking through it.
#include "ui/common/designfont.h"
#include "ui/common/picturelabel.h"
#include "ui/common/weblink.h"
#include "ui/main/form2.h"
#include "ui/main/resultspage.h"
#include "ui/print/reportcommand.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// A tool, not a test: a control missing from the forms ends the run at once.
template <typename T = QWidget> T* control(const QWidget& window, const char* objectName)
{
    auto* widget = window.findChild<T*>(QLatin1String(objectName));
    if (!widget) {
        std::fprintf(stderr, "form2shots: no control %s\n", objectName);
        std::exit(1);
    }
    return widget;
}

// The first worked example, entered as a user would: strength 240 on cubes, slump 10.0, stone 2,
// admixture 250 cc, moisture 5 %.
void enterFirstExample(const QWidget& window)
{
    control<QLineEdit>(window, "Text2")->setText(QStringLiteral("240"));
    for (const char* box : {"Check1", "Check3"})
        if (auto* check = control<QAbstractButton>(window, box); !check->isChecked())
            check->click();
    control<QComboBox>(window, "Combo1")->setCurrentIndex(1);
    control<QComboBox>(window, "Combo2")->setCurrentIndex(1);
    control<QLineEdit>(window, "Text3")->setText(QStringLiteral("250"));
    control<QLineEdit>(window, "Text4")->setText(QStringLiteral("5"));
    control<QAbstractButton>(window, "Command1")->click();
}

// Answers every box with OK, so a refusal can be photographed behind it.
class OkPrompter : public Prompter {
public:
    QMessageBox::StandardButton ask(QWidget*, const MessageBoxSpec&) override { return QMessageBox::Ok; }
};

// A dark desktop palette, as a dark theme gives it: grey ground, light text.
QPalette darkPalette()
{
    QPalette dark;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(83, 83, 85));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    return dark;
}

bool save(const QPixmap& picture, const QDir& dir, const QString& file)
{
    const bool ok = picture.save(dir.filePath(file));
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(dir.filePath(file)));
    return ok;
}

bool save(QWidget& window, const QDir& dir, const QString& file)
{
    QApplication::processEvents();
    return save(window.grab(), dir, file);
}

// The preview is modal: it is photographed and closed from inside its own event loop.
bool savePreview(Form2& window, const QDir& dir)
{
    print::ReportCommand command(&window, defaultPrompter(), [&window] { return window.shownDesign(); });
    bool ok = false;
    QTimer::singleShot(1500, [&] {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            ok = save(preview->screen()->grabWindow(0), dir, QStringLiteral("print-preview.png"));
            preview->reject();
        }
    });
    command.printPreview();
    return ok;
}

bool saveCardPreview(Form2& window, const QDir& dir)
{
    print::ReportCommand command(&window, defaultPrompter(), [&window] { return window.shownDesign(); });
    bool ok = false;
    QTimer::singleShot(1500, [&] {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            ok = save(preview->screen()->grabWindow(0), dir, QStringLiteral("card-preview.png"));
            preview->reject();
        }
    });
    command.printCard();
    return ok;
}

// The PDF save dialog answered with a file in the shots' folder.
class FileDialogs : public print::QtReportDialogs {
public:
    explicit FileDialogs(QString file) : m_file(std::move(file)) {}
    QString choosePdfFile(QWidget*, const QString&) override { return m_file; }

private:
    QString m_file;
};

// The results tab with a sheet of one low test, and with a bad one; the acceptance sheet as a PDF.
bool saveResults(Form2& window, const QDir& dir)
{
    control<QTabWidget>(window, "SSTab1")->setCurrentIndex(4);
    ResultsPage* page = window.resultsPage();
    page->paste(QStringLiteral("sample\tstrength\tage_days\tdate\nA\t250\t28\t2026-11-01\nA\t262\t28\t2026-11-01\n"
                               "B\t199\t28\t2026-11-02\nC\t248\t28\t2026-11-03\nD\t300\t28\t2026-11-04\n"
                               "E\t281.5\t28\t2026-11-05\nF\t255\t7\t2026-11-06\n"));
    bool ok = save(window, dir, QStringLiteral("tab4-results.png"));
    FileDialogs dialogs(dir.filePath(QStringLiteral("acceptance.pdf")));
    print::ReportCommand command(
        &window, defaultPrompter(), [&window] { return window.shownDesign(); }, dialogs);
    command.setAcceptanceSource([page] { return page->acceptance(); });
    command.saveAcceptancePdf();
    ok &= QFile::exists(dir.filePath(QStringLiteral("acceptance.pdf")));
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(dir.filePath(QStringLiteral("acceptance.pdf"))));
    page->paste(QStringLiteral("sample\tstrength\nG\tabc\n"));
    ok &= save(window, dir, QStringLiteral("tab4-results-bad.png"));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(designFont());
    // A dark desktop palette, as a dark theme gives it, for a second set of shots.
    if (argc > 2 && QString::fromLatin1(argv[2]) == QLatin1String("dark"))
        QApplication::setPalette(darkPalette());
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    QDir().mkpath(dir.path());

    OkPrompter prompter;
    Form2 window(prompter);
    window.setWindowTitle(QLatin1Char(' ') + applicationTitle());
    window.show();
    auto* tabs = control<QTabWidget>(window, "SSTab1");
    tabs->setCurrentIndex(3);
    bool ok = save(window, dir, QStringLiteral("tab3-pour-before.png"));
    tabs->setCurrentIndex(0);
    control<QAbstractButton>(window, "Command1")->click();
    ok &= save(window, dir, QStringLiteral("tab0-empty-marked.png"));

    enterFirstExample(window);

    ok &= save(window, dir, QStringLiteral("tab0-data-entry.png"));
    control<QLineEdit>(window, "Text2")->setText(QStringLiteral("300"));
    ok &= save(window, dir, QStringLiteral("tab0-stale.png"));
    tabs->setCurrentIndex(1);
    ok &= save(window, dir, QStringLiteral("tab1-stale.png"));
    tabs->setCurrentIndex(0);
    control<QLineEdit>(window, "Text2")->setText(QStringLiteral("240"));
    control<QWidget>(window, "Image1")->setFocus();
    ok &= save(window, dir, QStringLiteral("tab0-banner-focus.png"));
    QTest::keyClick(&window, Qt::Key_Alt);
    ok &= save(window, dir, QStringLiteral("tab0-alt.png"));
    QTest::keyClick(&window, Qt::Key_Escape);
    tabs->setCurrentIndex(2);
    ok &= save(window, dir, QStringLiteral("tab2-criteria.png"));
    tabs->setCurrentIndex(1);
    ok &= save(window, dir, QStringLiteral("tab1-page1.png"));
    emit control<PictureLabel>(window, "Image11")->clicked();
    ok &= save(window, dir, QStringLiteral("tab1-page2.png"));
    emit control<PictureLabel>(window, "Image10")->clicked();
    ok &= save(window, dir, QStringLiteral("tab1-page3.png"));
    tabs->setCurrentIndex(3);
    control<QLineEdit>(window, "volumeField")->setText(QStringLiteral("10"));
    ok &= save(window, dir, QStringLiteral("tab3-pour.png"));
    const std::pair<const char*, const char*> prices[] = {{"cementPriceField", "128.5"},
                                                          {"sandPriceField", "415.5"},
                                                          {"stonePriceField", "462.75"},
                                                          {"admixturePriceField", "87.35"},
                                                          {"readymixPriceField", "1850"}};
    for (const auto& [field, price] : prices)
        control<QLineEdit>(window, field)->setText(QString::fromLatin1(price));
    ok &= save(window, dir, QStringLiteral("tab3-pour-cost.png"));
    control<QLineEdit>(window, "sandPriceField")->setText(QStringLiteral("4.1.5"));
    ok &= save(window, dir, QStringLiteral("tab3-pour-bad-price.png"));
    control<QLineEdit>(window, "sandPriceField")->setText(QStringLiteral("415.5"));
    control<QLineEdit>(window, "bagsPerBatchField")->setText(QStringLiteral("1.5"));
    ok &= save(window, dir, QStringLiteral("tab3-pour-bad-entry.png"));
    ok &= savePreview(window, dir);
    control<QLineEdit>(window, "bagsPerBatchField")->setText(QStringLiteral("1"));
    ok &= saveCardPreview(window, dir);

    // Worked example 1 judged where it stands outdoors under a roof: the class, the verdict
    // under the final mix on page 3 and the chart behind its button.
    tabs->setCurrentIndex(0);
    auto* exposure = control<QComboBox>(window, "exposureList");
    exposure->setCurrentIndex(exposure->findText(QStringLiteral("XC3 (EN 206)")));
    ok &= save(window, dir, QStringLiteral("tab0-exposure.png"));
    control<QAbstractButton>(window, "Command1")->click();
    tabs->setCurrentIndex(1);
    emit control<PictureLabel>(window, "Image11")->clicked();
    emit control<PictureLabel>(window, "Image10")->clicked();
    ok &= save(window, dir, QStringLiteral("tab1-page3-durability.png"));
    control<QAbstractButton>(window, "durabilityChartButton")->click();
    if (auto* chart = window.findChild<QDialog*>(QStringLiteral("durabilityChartDialog")))
        ok &= save(*chart, dir, QStringLiteral("durability-chart.png"));
    else
        ok = false;
    ok &= saveResults(window, dir);
    return ok ? 0 : 1;
}
