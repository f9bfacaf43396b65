#include "format/acceptancesheet.h"
#include "format/resultsheet.h"
#include "format/sheetlines.h"
#include "report/render.h"
#include "tests/report/support/pdfwords.h"
#include "tests/report/support/samplecaptions.h"
#include "tests/support/recordingprompter.h"
#include "ui/print/reportcommand.h"

#include <QImage>
#include <QProcess>

#include <QTemporaryDir>
#include <QTest>
#include <sstream>
#include <sys/stat.h>

using namespace reporttest;

namespace {

struct Run {
    int exitCode = -1;
    QString stderrText;
    QByteArray stdoutBytes;
};

// As over ssh or from cron: no display, and an environment that asks for X11 all the same.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

Run mixdesign(const QStringList& args, const QString& folder = {})
{
    QProcess tool;
    tool.setProcessEnvironment(withoutDisplay());
    tool.setWorkingDirectory(folder);
    tool.start(QStringLiteral(MIXDESIGN_EXE), args);
    Run run;
    if (tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit)
        run.exitCode = tool.exitCode();
    run.stderrText = QString::fromUtf8(tool.readAllStandardError());
    run.stdoutBytes = tool.readAllStandardOutput();
    return run;
}

// The PDF the main window's Save as PDF writes for the same design.
class SaveTo : public print::ReportDialogs {
public:
    explicit SaveTo(QString file) : m_file(std::move(file)) {}
    bool showPrinter(QWidget*, QPrinter&, const print::CommonDialog&) override { return false; }
    QString choosePdfFile(QWidget*, const QString&) override { return m_file; }
    void showPreview(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&) override {}

private:
    QString m_file;
};

const QStringList kFirstExample{"--strength", "240",         "--cube", "--slump",    "10.0", "--stone",
                                "2",          "--admixture", "250",    "--moisture", "5"};

} // namespace

class TestPdfExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(pdfToolAvailable(), "pdftotext (poppler-utils) is needed"); }

    void writesWhatTheWindowSavesWithoutADisplay()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report.pdf"));
        const Run run = mixdesign(kFirstExample + QStringList{"--pdf", file});
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));

        const mix::Design design = calculatedDesign(firstWorkedExample());
        const QString saved = dir.filePath(QStringLiteral("saved.pdf"));
        SaveTo dialogs(saved);
        RecordingPrompter prompter;
        print::ReportCommand command(
            nullptr, prompter, [&design] { return &design; }, dialogs);
        command.savePdf();

        const auto pages = readPdf(file);
        const auto windowPages = readPdf(saved);
        QCOMPARE(pages.size(), 2u);
        QCOMPARE(windowPages.size(), 2u);
        const format::SheetLines sheets[] = {format::sheet1Lines(*design.result), format::sheet2Lines(*design.result)};
        for (int s = 0; s < 2; ++s) {
            QCOMPARE(qRound(pages[s].width), 595);
            QCOMPARE(qRound(pages[s].height), 842);
            QCOMPARE(pages[s].lines.size(), sheets[s].size());
            QCOMPARE(windowPages[s].lines.size(), sheets[s].size());
            for (std::size_t i = 0; i < sheets[s].size(); ++i) {
                const PdfLine& got = pages[s].lines[i];
                const PdfLine& want = windowPages[s].lines[i];
                QCOMPARE(comparable(got.text), comparable(report::lineText(sheets[s][i])));
                QCOMPARE(got.text, want.text);
                QCOMPARE(qRound(got.xMin * 10), qRound(want.xMin * 10));
                QCOMPARE(qRound(got.yMin * 10), qRound(want.yMin * 10));
                QCOMPARE(qRound(got.xMax * 10), qRound(want.xMax * 10));
            }
        }
    }

    void aPourAddsTheMaterialOrder()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report.pdf"));
        const Run run = mixdesign(kFirstExample + QStringList{"--pour", "10", "--pdf", file});
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));
        const auto pages = readPdf(file);
        QCOMPARE(pages.size(), 3u);
        const format::SheetLines order =
            format::orderSheetLines(calculatedDesign(firstWorkedExample(), pourEntries({{mix::Entry::Volume, "10"}})));
        QCOMPARE(pages[2].lines.size(), order.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            QCOMPARE(comparable(pages[2].lines[i].text), comparable(report::lineText(order[i])));

        // The largest accepted volume in the smallest basket: its figures' lines stay on the page
        // at the sheet's own size, and one cubic metre more is refused.
        const QStringList largest = kFirstExample + QStringList{"--basket", "0.001", "--pdf", file, "--pour"};
        QCOMPARE(mixdesign(largest + QStringList{"1000001"}).exitCode, 64);
        const Run huge = mixdesign(largest + QStringList{"1000000"});
        QVERIFY2(huge.exitCode == 0, qPrintable(huge.stderrText));
        const auto hugePages = readPdf(file);
        QCOMPARE(hugePages.size(), 3u);
        QCOMPARE(hugePages[2].lines.size(), order.size());
        for (const PdfLine& line : hugePages[2].lines)
            QVERIFY2(line.xMax <= hugePages[2].width - 36, qPrintable(line.text));
        QCOMPARE(qRound(hugePages[2].lines[1].xMin), qRound(pages[2].lines[1].xMin));
    }

    // The card beside the report, one landscape page whose texts are the per-bag figures, and
    // with a pour those of one mixer batch; to standard output as well.
    void theMixerCardIsOnePage()
    {
        QTemporaryDir dir;
        const QString report = dir.filePath(QStringLiteral("report.pdf"));
        const QString card = dir.filePath(QStringLiteral("card.pdf"));
        Run run = mixdesign(kFirstExample + QStringList{"--card", card, "--pdf", report});
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));
        QCOMPARE(readPdf(report).size(), 2u);
        const auto pages = readPdf(card);
        QCOMPARE(pages.size(), 1u);
        QVERIFY(pages[0].width > pages[0].height);
        QStringList words;
        for (const auto& line : pages[0].lines)
            words << line.text;
        for (const char* figure : {"5.8", "4.2", "0.9", "129"})
            QVERIFY2(words.join(' ').contains(QString::fromLatin1(figure)), figure);

        run = mixdesign(kFirstExample + QStringList{"--pour", "10", "--bags-per-batch", "2", "--card", card});
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));
        words.clear();
        const auto batchPages = readPdf(card);
        QCOMPARE(batchPages.size(), 1u);
        for (const auto& line : batchPages[0].lines)
            words << line.text;
        for (const char* figure : {"11.6", "8.9", "1.9", "258"})
            QVERIFY2(words.join(' ').contains(QString::fromLatin1(figure)), figure);

        run = mixdesign(kFirstExample + QStringList{"--card", "-"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));
        QVERIFY(run.stdoutBytes.startsWith("%PDF-") && run.stdoutBytes.trimmed().endsWith("%%EOF"));
    }

    void qtsOwnOptionsAreTheUsersFileNames()
    {
        QTemporaryDir dir;
        const Run run = mixdesign(kFirstExample + QStringList{"--pdf", "-platform"}, dir.path());
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));
        QCOMPARE(readPdf(dir.filePath(QStringLiteral("-platform"))).size(), 2u);
    }

    void dashIsStandardOutputAndNothingElseGoesThere()
    {
        const Run run = mixdesign(kFirstExample + QStringList{"--pdf", "-"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));
        QVERIFY(run.stdoutBytes.startsWith("%PDF-"));
        QVERIFY(run.stdoutBytes.trimmed().endsWith("%%EOF"));
    }

    // The acceptance sheet of --results: one page whose lines are the format layer's, the date
    // the day's, and the chart drawn in its box (its words carry no text of their own).
    void theAcceptanceSheetCarriesItsLinesAndTheChart()
    {
        QTemporaryDir dir;
        const QByteArray csv = "sample,strength,age_days\nA,250\nA,246\nA,170,7\nB,228\nC,236\nD,260\nE,201\n";
        QFile sheet(dir.filePath(QStringLiteral("results.csv")));
        QVERIFY(sheet.open(QIODevice::WriteOnly) && sheet.write(csv) == csv.size());
        sheet.close();
        const QString file = dir.filePath(QStringLiteral("acceptance.pdf"));
        const Run run = mixdesign({"--results", sheet.fileName(), "--strength", "240", "--cube", "--pdf", file});
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));

        std::istringstream in(csv.toStdString());
        const auto rows = std::get<std::vector<mix::StrengthRow>>(format::readResultsSheet(in));
        const mix::Acceptance acceptance = mix::judgeResults(240, mix::Specimen::Cube, rows);
        const auto sheets = format::acceptanceSheets(acceptance, "2000-01-01");
        const auto pages = readPdf(file);
        QCOMPARE(pages.size(), 1u);
        QCOMPARE(pages[0].lines.size(), sheets[0].size());
        for (std::size_t i = 0; i < sheets[0].size(); ++i)
            if (i != 1) // the date
                QCOMPARE(comparable(pages[0].lines[i].text), comparable(report::lineText(sheets[0][i])));
        QVERIFY(pages[0].lines[1].text.startsWith(QStringLiteral("วันที่ 20")));

        // At 100 dpi a twip is 1/14.4 of a pixel: the chart's box holds its lines and dots.
        const auto images = pageImages(file);
        QCOMPARE(images.size(), 1u);
        const QImage page = QImage::fromData(images[0]);
        const auto box = format::kAcceptanceChart;
        int inked = 0;
        for (int y = int(box.y / 14.4); y < int((box.y + box.height) / 14.4); ++y)
            for (int x = int(box.x / 14.4); x < int((box.x + box.width) / 14.4); ++x)
                inked += qGray(page.pixel(x, y)) < 128;
        QVERIFY2(inked > 3000, qPrintable(QString::number(inked)));
    }

    void aFifoStaysAFifo()
    {
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("pipe")));
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        QProcess tool;
        tool.setProcessEnvironment(withoutDisplay());
        tool.start(QStringLiteral(MIXDESIGN_EXE), kFirstExample + QStringList{"--pdf", QFile::decodeName(fifo)});
        QFile reader(QFile::decodeName(fifo));
        QVERIFY(reader.open(QIODevice::ReadOnly)); // waits for the writer, as a reading program would
        const QByteArray pdf = reader.readAll();
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
        struct stat info {};
        QCOMPARE(lstat(fifo.constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    void aFullStandardOutputIsAFailure()
    {
        // The shell aims the command's output at the full device; the test writes nothing there.
        QProcess shell;
        shell.setProcessEnvironment(withoutDisplay());
        const QStringList script{QStringLiteral("-c"), QStringLiteral("\"$0\" \"$@\" >/dev/full"),
                                 QStringLiteral(MIXDESIGN_EXE)};
        shell.start(QStringLiteral("sh"), script + kFirstExample + QStringList{QStringLiteral("--json")});
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 74);
        QVERIFY(QString::fromUtf8(shell.readAllStandardError()).contains(QStringLiteral("No space left on device")));
    }

    void aClosedStandardOutputIsAFailure_data()
    {
        QTest::addColumn<QStringList>("output");
        QTest::newRow("json") << QStringList{QStringLiteral("--json")};
        QTest::newRow("pdf") << QStringList{QStringLiteral("--pdf"), QStringLiteral("-")};
    }

    void aClosedStandardOutputIsAFailure()
    {
        // Nothing may take the closed descriptor's place and receive the answer.
        QFETCH(QStringList, output);
        QProcess shell;
        shell.setProcessEnvironment(withoutDisplay());
        const QStringList script{QStringLiteral("-c"), QStringLiteral("\"$0\" \"$@\" >&-"),
                                 QStringLiteral(MIXDESIGN_EXE)};
        shell.start(QStringLiteral("sh"), script + kFirstExample + output);
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 74);
        QVERIFY(QString::fromUtf8(shell.readAllStandardError()).contains(QStringLiteral("Bad file descriptor")));
    }

    void refusedDesignWritesNothing()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report.pdf"));
        QStringList args = kFirstExample;
        args[1] = QStringLiteral("20");
        QCOMPARE(mixdesign(args + QStringList{"--pdf", file}).exitCode, 2);
        QVERIFY(!QFile::exists(file));
    }

    void unwritableFileFails()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("missing/report.pdf"));
        const Run run = mixdesign(kFirstExample + QStringList{"--pdf", file});
        QCOMPARE(run.exitCode, 73);
        QVERIFY(run.stderrText.contains(QStringLiteral("mixdesign: cannot write ") + file +
                                        QStringLiteral(": No such file or directory")));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(TestPdfExport)
#include "pdfexport_test.moc"
