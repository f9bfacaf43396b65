#include "format/sheetlines.h"
#include "report/page.h"
#include "report/render.h"
#include "tests/report/support/pdfwords.h"
#include "tests/report/support/samplecaptions.h"
#include "tests/support/golden.h"
#include "tests/support/recordingprompter.h"
#include "ui/common/nosettings.h"
#include "ui/print/printwords.h"
#include "ui/print/reportcommand.h"

#include <QFileDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace reporttest;

namespace {

QString u(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class FakeDialogs : public print::ReportDialogs {
public:
    // What the user does in the printer dialog: changes the printer, then confirms or not.
    std::function<bool(QPrinter&)> printerChoice;
    QList<int> formsShown;
    QString pdfFile;
    int pdfAsked = 0;
    QStringList suggested; // the names offered, in order

    bool showPrinter(QWidget*, QPrinter& printer, const print::CommonDialog& dialog) override
    {
        formsShown << dialog.Flags;
        return printerChoice ? printerChoice(printer) : false;
    }
    QString choosePdfFile(QWidget*, const QString& name) override
    {
        ++pdfAsked;
        suggested << name;
        return pdfFile;
    }
    // The preview draws into a PDF here, so a test can read its pages.
    QString previewFile;
    // What the user turns the page to in the preview before it draws.
    QPageLayout::Orientation previewOrientation = QPageLayout::Portrait;
    void showPreview(QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        printer.setPageOrientation(previewOrientation);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(previewFile);
        paint(printer);
    }
};

RecordingPrompter okToEverything()
{
    RecordingPrompter prompter;
    prompter.answerAll = QMessageBox::Ok;
    return prompter;
}

std::function<bool(QPrinter&)> printTo(const QString& file, bool confirmed = true)
{
    return [file, confirmed](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return confirmed;
    };
}

// The first line of each page, comparable with a report line.
QStringList firstLines(const QString& file)
{
    QStringList lines;
    for (const PdfPage& page : readPdf(file))
        lines << (page.lines.empty() ? QString() : comparable(page.lines.front().text));
    return lines;
}

QString firstLine(const format::SheetLines& sheet) { return comparable(report::lineText(sheet.front())); }

struct Fixture {
    mix::Design design = calculatedDesign(firstWorkedExample());
    FakeDialogs dialogs;
    RecordingPrompter prompter = okToEverything();
    print::ReportCommand command{nullptr, prompter, [this] { return &design; }, dialogs};

    QString sheet1Title() const { return firstLine(format::sheet1Lines(*design.result)); }
    QString sheet2Title() const { return firstLine(format::sheet2Lines(*design.result)); }
};

} // namespace

class TestReportCommand : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(pdfToolAvailable(), "pdftotext (poppler-utils) is needed");
        keepNoSettings(); // the save dialog made here must not leave a settings file behind
    }

    void printsTwoJobsWithThePaperPromptBetween()
    {
        QTemporaryDir dir;
        const QString sheet1 = dir.filePath(QStringLiteral("report.pdf"));
        const QString sheet2 = dir.filePath(QStringLiteral("report-2.pdf"));
        Fixture f;
        f.dialogs.printerChoice = printTo(sheet1);
        bool sheet1DoneBeforePrompt = false;
        bool sheet2StartedBeforeOk = true;
        f.prompter.whileShown = [&] {
            sheet1DoneBeforePrompt = firstLines(sheet1) == QStringList{f.sheet1Title()};
            sheet2StartedBeforeOk = QFile::exists(sheet2);
        };

        f.command.Command2_Click();

        QCOMPARE(f.dialogs.formsShown, QList<int>{0});
        QCOMPARE(f.prompter.boxes.size(), 1);
        const MessageBoxSpec& paper = f.prompter.boxes.front();
        QCOMPARE(paper.text, golden::box(QStringLiteral("paper")).second);
        QCOMPARE(paper.title, golden::box(QStringLiteral("paper")).first);
        QCOMPARE(paper.icon, QMessageBox::Question);
        QCOMPARE(paper.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(sheet1DoneBeforePrompt);
        QVERIFY(!sheet2StartedBeforeOk);
        QCOMPARE(firstLines(sheet1), QStringList{f.sheet1Title()});
        QCOMPARE(firstLines(sheet2), QStringList{f.sheet2Title()});
    }

    void cancelInThePrinterDialogPrintsNothing()
    {
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.printerChoice = printTo(dir.filePath(QStringLiteral("report.pdf")), false);
        f.command.Command2_Click();
        QCOMPARE(f.dialogs.formsShown.size(), 1);
        QVERIFY(f.prompter.boxes.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void sheet2OnlyAfterOk_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("sheet2Printed");
        QTest::newRow("OK") << QMessageBox::Ok << true;
        QTest::newRow("closed with Escape") << QMessageBox::Cancel << false;
        QTest::newRow("no button") << QMessageBox::NoButton << false;
    }

    void sheet2OnlyAfterOk()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, sheet2Printed);
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.printerChoice = printTo(dir.filePath(QStringLiteral("report.pdf")));
        f.prompter.answerAll = answer;
        f.command.Command2_Click();
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("report.pdf"))));
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("report-2.pdf"))), sheet2Printed);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), sheet2Printed ? 2 : 1);
    }

    void sheet2ShowsTheDesignAtItsOwnPrinting()
    {
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.printerChoice = printTo(dir.filePath(QStringLiteral("report.pdf")));
        f.prompter.whileShown = [&] { f.design.result->numbers.design.mcement = 0.125f; };
        f.command.Command2_Click();
        const auto pages = readPdf(dir.filePath(QStringLiteral("report-2.pdf")));
        QCOMPARE(pages.size(), 1u);
        const auto expected = format::sheet2Lines(*f.design.result);
        QCOMPARE(pages[0].lines.size(), expected.size());
        QCOMPARE(comparable(pages[0].lines[7].text), comparable(report::lineText(expected[7])));
    }

    void sheet2NeverOverwritesSheet1_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("second");
        QTest::newRow("pdf") << "report.pdf"
                             << "report-2.pdf";
        QTest::newRow("capital suffix") << "Report.PDF"
                                        << "Report-2.pdf";
        QTest::newRow("no suffix") << "report"
                                   << "report-2.pdf";
        QTest::newRow("dots in the name") << "mix.v1.pdf"
                                          << "mix.v1-2.pdf";
        QTest::newRow("already named as sheet 2") << "report-2.pdf"
                                                  << "report-2-2.pdf";
    }

    void sheet2NeverOverwritesSheet1()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, second);
        QTemporaryDir dir;
        const QString sheet1 = dir.filePath(chosen);
        QCOMPARE(print::sheetFileName(sheet1, 2), dir.filePath(second));

        Fixture f;
        f.dialogs.printerChoice = printTo(sheet1);
        f.command.Command2_Click();
        QCOMPARE(firstLines(sheet1), QStringList{f.sheet1Title()});
        QCOMPARE(firstLines(dir.filePath(second)), QStringList{f.sheet2Title()});
        // The next print goes to the file the user chose, not to the sheet 2 name.
        QCOMPARE(f.command.currentPrinter().outputFileName(), sheet1);
    }

    void pagesAreUprightA4WhateverWasChosen()
    {
        QTemporaryDir dir;
        const QString sheet1 = dir.filePath(QStringLiteral("report.pdf"));
        Fixture f;
        f.dialogs.printerChoice = [&](QPrinter& printer) {
            printTo(sheet1)(printer);
            printer.setPageSize(QPageSize(QPageSize::Letter));
            printer.setPageOrientation(QPageLayout::Landscape);
            return true;
        };
        f.command.Command2_Click();
        for (const QString& file : {sheet1, dir.filePath(QStringLiteral("report-2.pdf"))}) {
            const auto pages = readPdf(file);
            QCOMPARE(pages.size(), 1u);
            QCOMPARE(qRound(pages[0].width), 595);
            QCOMPARE(qRound(pages[0].height), 842);
        }
    }

    void printerThatCannotOpenIsToldOnce_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("no printer and no file") << QString();
        QTest::newRow("folder missing") << "missing/report.pdf";
    }

    void printerThatCannotOpenIsToldOnce()
    {
        QFETCH(QString, file);
        QTemporaryDir dir;
        Fixture f;
        // Where a printer is installed, a printer without a file is that printer: the case
        // cannot be made there, and trying would send the report to it.
        if (file.isEmpty() && !QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed");
        f.dialogs.printerChoice = printTo(file.isEmpty() ? file : dir.filePath(file));
        if (file.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        f.command.Command2_Click();
        QCOMPARE(f.prompter.boxes.size(), 1);
        const MessageBoxSpec& told = f.prompter.boxes.front();
        QCOMPARE(told.icon, QMessageBox::Warning);
        if (!file.isEmpty()) // the file and the system's reason, so the user can act on it
            QVERIFY(told.text.contains(QStringLiteral("report.pdf")) &&
                    told.text.contains(QStringLiteral("No such file or directory")));
        QVERIFY(told.text != golden::box(QStringLiteral("paper")).second);
        QVERIFY(!told.text.isEmpty() && told.text.at(0).script() == QChar::Script_Thai);
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void existingSheet2FileIsNeverReplacedUnasked_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("otherName"); // what the save dialog gives after No
        QTest::addColumn<QString>("sheet2In");
        QTest::newRow("yes replaces it") << int(QMessageBox::Yes) << QString() << "report-2.pdf";
        QTest::newRow("no, another name") << int(QMessageBox::No) << "other.pdf"
                                          << "other.pdf";
        QTest::newRow("no, then skip sheet 2") << int(QMessageBox::No) << QString() << QString();
    }

    void existingSheet2FileIsNeverReplacedUnasked()
    {
        QFETCH(int, answer);
        QFETCH(QString, otherName);
        QFETCH(QString, sheet2In);
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("report-2.pdf"));
        QFile unrelated(old);
        QVERIFY(unrelated.open(QIODevice::WriteOnly) && unrelated.write("not a report") > 0);
        unrelated.close();
        Fixture f;
        f.dialogs.printerChoice = printTo(dir.filePath(QStringLiteral("report.pdf")));
        f.dialogs.pdfFile = otherName.isEmpty() ? QString() : dir.filePath(otherName);
        f.prompter.answers = {QMessageBox::Ok, QMessageBox::StandardButton(answer)};

        f.command.Command2_Click();

        QCOMPARE(f.prompter.boxes.size(), 2);
        const MessageBoxSpec& asked = f.prompter.boxes[1];
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.defaultButton, QMessageBox::No);
        QVERIFY(asked.text.contains(QStringLiteral("report-2.pdf")));
        QCOMPARE(f.dialogs.pdfAsked, answer == QMessageBox::No ? 1 : 0);
        if (sheet2In.isEmpty() || sheet2In != QStringLiteral("report-2.pdf")) {
            QVERIFY(unrelated.open(QIODevice::ReadOnly));
            QCOMPARE(unrelated.readAll(), QByteArray("not a report"));
        }
        if (!sheet2In.isEmpty())
            QCOMPARE(firstLines(dir.filePath(sheet2In)), QStringList{f.sheet2Title()});
    }

    void setupFormIsKeptForLaterPrints()
    {
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.printerChoice = printTo(dir.filePath(QStringLiteral("report.pdf")));
        f.command.setprint_Click();
        QCOMPARE(f.dialogs.formsShown, QList<int>{print::kPrintSetupForm});
        QVERIFY(f.prompter.boxes.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
        // The choice made in the set-up form is the printer the next print uses.
        QCOMPARE(f.command.currentPrinter().outputFileName(), dir.filePath(QStringLiteral("report.pdf")));

        f.command.Command2_Click();
        QCOMPARE(f.dialogs.formsShown, (QList<int>{print::kPrintSetupForm, print::kPrintSetupForm}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void savePdfWritesBothSheetsInOneFile()
    {
        QTemporaryDir dir;
        Fixture f;
        QSignalSpy saved(&f.command, &print::ReportCommand::saved);
        f.dialogs.pdfFile = dir.filePath(QStringLiteral("report.pdf"));
        f.command.savePdf();
        QCOMPARE(firstLines(f.dialogs.pdfFile), (QStringList{f.sheet1Title(), f.sheet2Title()}));
        QVERIFY(f.prompter.boxes.isEmpty());
        QVERIFY(f.dialogs.formsShown.isEmpty());
        QCOMPARE(f.dialogs.suggested, QStringList{print::reportFileName(f.design, QDate::currentDate())});
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved.front().front().toString(), f.dialogs.pdfFile);
    }

    // The card's own PDF: one landscape page, its date as the status bar writes it, the name
    // offered in Thai, and the status bar told.
    void saveCardPdfWritesTheCard()
    {
        QTemporaryDir dir;
        Fixture f;
        QSignalSpy saved(&f.command, &print::ReportCommand::saved);
        f.dialogs.pdfFile = dir.filePath(QStringLiteral("card.pdf"));
        f.command.saveCardPdf();
        const auto pages = readPdf(f.dialogs.pdfFile);
        QCOMPARE(pages.size(), 1u);
        QVERIFY(pages[0].width > pages[0].height);
        const QDate today = QDate::currentDate();
        const QString thaiDate = QStringLiteral("%1/%2/%3").arg(today.day()).arg(today.month()).arg(today.year() + 543);
        bool dated = false;
        for (const PdfLine& line : pages[0].lines)
            dated |= line.text.contains(thaiDate);
        QVERIFY2(dated, qPrintable(thaiDate));
        QCOMPARE(f.dialogs.suggested, QStringList{print::cardFileName(f.design, today)});
        QCOMPARE(saved.size(), 1);
        QVERIFY(f.prompter.boxes.isEmpty());

        f.dialogs.pdfFile = dir.filePath(QStringLiteral("missing/card.pdf"));
        f.command.saveCardPdf();
        QCOMPARE(saved.size(), 1);
        QCOMPARE(f.prompter.boxes.size(), 1);
        QCOMPARE(f.prompter.boxes.front().icon, QMessageBox::Warning);
    }

    void offeredNamesAreThaiWithStrengthAndDate_data()
    {
        QTest::addColumn<QString>("strength");
        QTest::addColumn<bool>("cube");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("card");
        QTest::newRow("cube") << "240" << true << "รายการคำนวณ 240 ลูกบาศก์ 2569-12-09.pdf"
                              << "การ์ดผสม 240 ลูกบาศก์ 2569-12-09.pdf";
        QTest::newRow("cylinder, blanks typed") << " 210.5 " << false << "รายการคำนวณ 210.5 ทรงกระบอก 2569-12-09.pdf"
                                                << "การ์ดผสม 210.5 ทรงกระบอก 2569-12-09.pdf";
        QTest::newRow("a slash names no folder") << "2/4" << true << "รายการคำนวณ 2-4 ลูกบาศก์ 2569-12-09.pdf"
                                                 << "การ์ดผสม 2-4 ลูกบาศก์ 2569-12-09.pdf";
    }

    void offeredNamesAreThaiWithStrengthAndDate()
    {
        QFETCH(QString, strength);
        QFETCH(bool, cube);
        QFETCH(QString, report);
        QFETCH(QString, card);
        mix::Design design;
        design.entries.design.strengthText = strength.toStdString();
        design.entries.design.cubeChecked = cube;
        design.entries.design.cylinderChecked = !cube;
        const QDate date(2026, 12, 9);
        QCOMPARE(print::reportFileName(design, date), report);
        QCOMPARE(print::cardFileName(design, date), card);
    }

    // Run alone by the test reportcommand_fontless, under a fontconfig without a Thai face: the
    // window says which package is missing and draws nothing, for the PDF and for the printer.
    void withoutAThaiFaceNothingIsDrawn()
    {
        if (qEnvironmentVariableIsEmpty("MIXDESIGN_FONTLESS"))
            QSKIP("needs a fontconfig without Thai faces; see reportcommand_fontless");
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.pdfFile = dir.filePath(QStringLiteral("report.pdf"));
        f.dialogs.printerChoice = printTo(dir.filePath(QStringLiteral("printed.pdf")));
        f.command.savePdf();
        f.command.Command2_Click();
        QCOMPARE(f.prompter.boxes.size(), 2);
        for (const MessageBoxSpec& box : f.prompter.boxes) {
            QVERIFY(box.text.contains(QStringLiteral("fonts-thai-tlwg")));
            QVERIFY(box.text.front().unicode() >= 0x0E00 && box.text.front().unicode() <= 0x0E7F);
            QCOMPARE(box.icon, QMessageBox::Warning);
        }
        QVERIFY(f.dialogs.formsShown.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    }

    void materialOrderIsTheThirdSheetEverywhere()
    {
        QTemporaryDir dir;
        Fixture f;
        f.design = calculatedDesign(firstWorkedExample(), pourEntries({{mix::Entry::Volume, "10"}}));
        const QString orderTitle = firstLine(format::orderSheetLines(f.design));

        f.dialogs.printerChoice = printTo(dir.filePath(QStringLiteral("report.pdf")));
        f.command.Command2_Click();
        QCOMPARE(f.prompter.boxes.size(), 2); // a paper prompt before each later sheet, counting down
        QCOMPARE(f.prompter.boxes[0].text, QStringLiteral("ยังเหลืออีก 2 แผ่น ครับ กด Ok เพื่อพิมพ์ต่อ"));
        QCOMPARE(f.prompter.boxes[1].text, golden::box(QStringLiteral("paper")).second);
        QCOMPARE(firstLines(dir.filePath(QStringLiteral("report-3.pdf"))), QStringList{orderTitle});

        f.dialogs.pdfFile = dir.filePath(QStringLiteral("all.pdf"));
        f.command.savePdf();
        QCOMPARE(firstLines(f.dialogs.pdfFile), (QStringList{f.sheet1Title(), f.sheet2Title(), orderTitle}));
    }

    void savePdfCancelledWritesNothing()
    {
        Fixture f;
        f.command.savePdf();
        QCOMPARE(f.dialogs.pdfAsked, 1);
        QVERIFY(f.prompter.boxes.isEmpty());
    }

    void savePdfThatCannotBeWrittenIsToldOnce()
    {
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.pdfFile = dir.filePath(QStringLiteral("missing/report.pdf"));
        f.command.savePdf();
        QCOMPARE(f.prompter.boxes.size(), 1);
        QCOMPARE(f.prompter.boxes.front().icon, QMessageBox::Warning);
        QVERIFY(f.prompter.boxes.front().text.contains(QStringLiteral("missing/report.pdf")));
        QVERIFY(f.prompter.boxes.front().text.contains(QStringLiteral("No such file or directory")));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    void previewDrawsWhatThePdfHolds()
    {
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.pdfFile = dir.filePath(QStringLiteral("saved.pdf"));
        f.dialogs.previewFile = dir.filePath(QStringLiteral("preview.pdf"));
        // A printer that writes PDF, whatever printers this machine has: an installed printer's
        // margins would rightly move the preview off the PDF's page.
        f.command.currentPrinter().setOutputFormat(QPrinter::PdfFormat);
        f.command.savePdf();
        f.command.printPreview();
        // The preview's text is Qt's own, not the saved file's mended one: the pictures agree.
        const auto saved = pageImages(f.dialogs.pdfFile);
        const auto shown = pageImages(f.dialogs.previewFile);
        QCOMPARE(shown.size(), 2u);
        QVERIFY(shown == saved);
    }

    void landscapeInThePreviewKeepsEveryLine()
    {
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.pdfFile = dir.filePath(QStringLiteral("saved.pdf"));
        f.dialogs.previewFile = dir.filePath(QStringLiteral("landscape.pdf"));
        f.dialogs.previewOrientation = QPageLayout::Landscape;
        f.command.printPreview();
        // The preview's text is Qt's own, unmended: the same sheets drawn upright by Qt alone
        // are what it must hold, line for line.
        const QString upright = dir.filePath(QStringLiteral("upright.pdf"));
        {
            QPdfWriter writer(upright);
            writer.setPageLayout(report::reportPageLayout());
            QPainter painter(&writer);
            report::renderSheets(painter, writer, format::reportSheets(f.design));
        }
        const auto saved = readPdf(upright);
        const auto shown = readPdf(f.dialogs.previewFile);
        QCOMPARE(shown.size(), saved.size());
        for (std::size_t page = 0; page < shown.size(); ++page) {
            QVERIFY(shown[page].width > shown[page].height);
            QCOMPARE(shown[page].lines.size(), saved[page].lines.size());
            for (std::size_t i = 0; i < shown[page].lines.size(); ++i) {
                QCOMPARE(shown[page].lines[i].text, saved[page].lines[i].text);
                QVERIFY2(shown[page].lines[i].yMin + 10 <= shown[page].height, qPrintable(shown[page].lines[i].text));
            }
        }
    }

    void nothingToPrintBeforeTheFirstDesign()
    {
        FakeDialogs dialogs;
        RecordingPrompter prompter = okToEverything();
        print::ReportCommand command{nullptr, prompter, [] { return nullptr; }, dialogs};
        command.Command2_Click();
        command.savePdf();
        command.printPreview();
        command.saveCardPdf();
        QVERIFY(dialogs.formsShown.isEmpty());
        QCOMPARE(dialogs.pdfAsked, 0);
        QVERIFY(prompter.boxes.isEmpty());
    }

    void saveDialogAsksBeforeOverwriting()
    {
        const auto box = print::makePdfSaveDialog(nullptr, QStringLiteral("รายการคำนวณ 240 ลูกบาศก์ 2569-12-09.pdf"));
        QVERIFY(box->selectedFiles().value(0).endsWith(QStringLiteral("/รายการคำนวณ 240 ลูกบาศก์ 2569-12-09.pdf")));
        QCOMPARE(box->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!box->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(box->defaultSuffix(), QStringLiteral("pdf"));
        QVERIFY(!box->windowTitle().endsWith(QLatin1Char('.')));
        QVERIFY(u(print::text::kSavePdfMenu).startsWith(box->windowTitle()));
    }
};

QTEST_MAIN(TestReportCommand)
#include "reportcommand_test.moc"
