#include "report/reportlayout.h"
#include "tests/report/support/pdfwords.h"
#include "tests/report/support/samplecaptions.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace reporttest;

namespace {

struct Run {
    int exitCode = -1;
    QString stderrText;
};

Run mixdesign(const QStringList& args)
{
    QProcess tool;
    tool.start(QStringLiteral(MIXDESIGN_EXE), args);
    Run run;
    if (tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit)
        run.exitCode = tool.exitCode();
    run.stderrText = QString::fromUtf8(tool.readAllStandardError());
    return run;
}

const QStringList kFirstExample{"--strength", "240",         "--cube", "--slump",    "10.0", "--stone",
                                "2",          "--admixture", "250",    "--moisture", "5"};

} // namespace

class TestPdfExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(pdfToolAvailable(), "pdftotext (poppler-utils) is needed"); }

    void writesBothSheetsFromTheWindowsCaptions()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report.pdf"));
        const Run run = mixdesign(kFirstExample + QStringList{"--pdf", file});
        QVERIFY2(run.exitCode == 0, qPrintable(run.stderrText));

        const CalculatedWindow window = calculatedWindow(firstWorkedExample());
        const std::vector<report::ReportLine> sheets[] = {report::sheet1Lines(window.result),
                                                          report::sheet2Lines(window.result)};
        const auto pages = readPdf(file);
        QCOMPARE(pages.size(), 2u);
        for (int s = 0; s < 2; ++s) {
            QCOMPARE(qRound(pages[s].width), 595);
            QCOMPARE(qRound(pages[s].height), 842);
            QCOMPARE(pages[s].lines.size(), sheets[s].size());
            for (std::size_t i = 0; i < sheets[s].size(); ++i)
                QCOMPARE(comparable(pages[s].lines[i].text), comparable(sheets[s][i].text));
        }
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
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.stderrText.contains(file));
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
