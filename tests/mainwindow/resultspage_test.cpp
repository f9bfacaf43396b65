#include "tests/mainwindow/form2fixture.h"
#include "ui/main/resultspage.h"

#include "format/acceptancejson.h"

#include <QFile>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>

#include <random>

namespace {

QByteArray readAll(const QString& file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool writeAll(const QString& file, const QByteArray& bytes)
{
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

using Cells = ResultsPage::Cells;

} // namespace

class ResultsPageTest : public QObject {
    Q_OBJECT

private slots:
    // Open, then save: the same rows, byte for byte, whatever the cells hold; the table shows them
    // in its own columns, whatever order the file had them in.
    void csvRoundTripsThroughTheTable()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray sheet = "sample,strength,age_days,date\r\n"
                                 "C-01,251.5,28,2026-11-02\r\n"
                                 "C-01,248,28,2026-11-02\r\n"
                                 "\"C,02\",240,7,\r\n"
                                 "\"'=C03\",263.25,28,\"2 Nov \"\"late\"\"\"\r\n";
        QVERIFY(writeAll(dir.filePath("in.csv"), sheet));
        ResultsPage page;
        QVERIFY(page.openSheet(dir.filePath("in.csv")));
        QVERIFY(!page.modified());
        QCOMPARE(page.cells().size(), size_t(4));
        QCOMPARE(page.cells()[2], (std::vector<std::string>{"C,02", "240", "7", ""}));
        QVERIFY(page.saveSheet(dir.filePath("out.csv")));
        QCOMPARE(readAll(dir.filePath("out.csv")), sheet);

        QVERIFY(writeAll(dir.filePath("other.csv"), "Date;Lab;Strength;Sample\n1/11;x;230;A\n"));
        QVERIFY(page.openSheet(dir.filePath("other.csv")));
        QCOMPARE(page.cells(), (Cells{{"A", "230", "", "1/11"}}));
    }

    // From a spreadsheet: a block with its own header goes in by the header's names, one without
    // from the current cell on; either way the table is judged again and counts as changed.
    void pastedRowsGoInByTheirHeaderOrFromTheCurrentCell()
    {
        ResultsPage page;
        page.setDesign(240, mix::Specimen::Cube);
        page.paste(QStringLiteral("Strength\tSAMPLE\tnote\r\n250\tA\tx\r\n262.5\tB\t\r\n\r\n"));
        QCOMPARE(page.cells(), (Cells{{"A", "250", "", ""}, {"B", "262.5", "", ""}}));
        QVERIFY(page.modified());
        QVERIFY(page.acceptance());
        QCOMPARE(page.acceptance()->tests.size(), size_t(2));

        auto* table = page.findChild<QTableWidget*>(QStringLiteral("resultsTable"));
        table->setCurrentCell(2, 0);
        page.paste(QStringLiteral("C\t270\t28\t2026-12-01\nD\t255"));
        QCOMPARE(page.cells().back(), (std::vector<std::string>{"D", "255", "", ""}));
        QCOMPARE(page.acceptance()->tests.size(), size_t(4));
        // Another paste into the table's second column only fills that column.
        table->setCurrentCell(0, 1);
        page.paste(QStringLiteral("300\n"));
        QCOMPARE(page.cells()[0], (std::vector<std::string>{"A", "300", "", ""}));
    }

    // A sheet that cannot be judged says why, names the line, and marks the row; nothing is judged.
    void aBadSheetShowsItsReasonBesideTheRow_data()
    {
        QTest::addColumn<QString>("paste");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("row");
        QTest::newRow("strength") << "A\t250\nB\tabc" << u8("บรรทัด 3: กำลังอัด 'abc' ไม่ใช่ตัวเลขที่มากกว่าศูนย์") << 1;
        QTest::newRow("zero") << "A\t0" << u8("บรรทัด 2: กำลังอัด '0' ไม่ใช่ตัวเลขที่มากกว่าศูนย์") << 0;
        QTest::newRow("age") << "A\t250\t-7" << u8("บรรทัด 2: อายุ '-7' ไม่ใช่ตัวเลขที่มากกว่าศูนย์") << 0;
        QTest::newRow("sample") << "A\t250\n\t240" << u8("บรรทัด 3: ไม่มีชื่อตัวอย่าง") << 1;
        QTest::newRow("no 28 days") << "A\t250\t7" << u8("บรรทัด 3: จบไฟล์แล้วไม่มีผลทดสอบอายุ 28 วัน") << -1;
    }
    void aBadSheetShowsItsReasonBesideTheRow()
    {
        QFETCH(QString, paste);
        QFETCH(QString, reason);
        QFETCH(int, row);
        ResultsPage page;
        page.setDesign(240, mix::Specimen::Cube);
        page.paste(paste);
        QCOMPARE(page.message(), reason);
        QVERIFY(!page.acceptance());
        auto* table = page.findChild<QTableWidget*>(QStringLiteral("resultsTable"));
        for (int r = 0; r < table->rowCount(); ++r) {
            const QTableWidgetItem* number = table->verticalHeaderItem(r);
            QCOMPARE(number && number->toolTip() == reason, r == row);
        }
        // Mended, it is judged at once.
        table->item(std::max(row, 0), 1)->setText(QStringLiteral("251"));
        table->item(std::max(row, 0), 0)->setText(QStringLiteral("Z"));
        if (row < 0 || reason.contains(u8("อายุ")))
            table->item(std::max(row, 0), 2)->setText(QStringLiteral("28"));
        QCOMPARE(page.message(), QString());
        QVERIFY(page.acceptance());
    }

    // Before any design the tab asks for a Calculate, and once one is accepted judges against it.
    void theResultsAreJudgedAgainstTheAcceptedDesign()
    {
        RecordingPrompter prompter;
        std::unique_ptr<Form2> window;
        QVERIFY(openWindow(window, prompter));
        ResultsPage* page = window->resultsPage();
        page->paste(QStringLiteral("A\t250\nB\t262.5\nC\t270"));
        QVERIFY(!page->acceptance());
        QVERIFY(page->message().contains(u8("คำนวณ")));
        Example cylinder = secondExample();
        cylinder.strength = QStringLiteral("200");
        enter(*window, cylinder);
        calculate(*window);
        QVERIFY(page->acceptance());
        QCOMPARE(page->acceptance()->specifiedKsc, 200.0);
        QCOMPARE(page->acceptance()->specimen, mix::Specimen::Cylinder);
        prompter.answerAll = QMessageBox::Yes;
        QVERIFY(closeWindow(window, prompter));
    }

    // Changes not saved are asked about when the window goes: No keeps it open on the results.
    void unsavedResultsAreAskedAboutOnExit()
    {
        RecordingPrompter prompter;
        std::unique_ptr<Form2> window;
        QVERIFY(openWindow(window, prompter));
        QVERIFY(window->close());
        QVERIFY(prompter.boxes.isEmpty());
        window->show();
        window->resultsPage()->paste(QStringLiteral("A\t250"));
        prompter.answers = {QMessageBox::No};
        QVERIFY(!window->close());
        QCOMPARE(prompter.boxes.size(), 1);
        QCOMPARE(prompter.boxes[0].title, u8("ผลทดสอบยังไม่ได้บันทึก"));
        QVERIFY(window->isVisible());
        prompter.answers = {QMessageBox::Yes};
        QVERIFY(window->close());
        QCOMPARE(prompter.boxes.size(), 2);
        QVERIFY(closeWindow(window, prompter));
    }

    // The window and the command judge generated sheets alike: the same JSON to the byte.
    void theWindowAndTheCommandAgreeOnGeneratedSheets()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        std::mt19937 random(31);
        const double strengths[] = {150, 210, 240, 280, 320, 380};
        for (int sheet = 0; sheet < 24; ++sheet) {
            const double specified = strengths[random() % 6];
            const bool cube = random() % 2;
            std::normal_distribution<double> spread(specified + 30.0 + double(random() % 40), 5.0 + random() % 40);
            QByteArray csv = "sample,strength,age_days,date\n";
            const int samples = 1 + int(random() % 34);
            for (int s = 0; s < samples; ++s)
                for (int specimen = 0, count = 1 + int(random() % 3); specimen < count; ++specimen) {
                    const bool early = random() % 8 == 0;
                    csv += QStringLiteral("S%1,%2,%3,2026-%4-01\n")
                               .arg(s + 1)
                               .arg(std::max(1.0, std::round(spread(random) * 100) / 100), 0, 'f', 2)
                               .arg(early ? 7 : 28)
                               .arg(1 + s % 12, 2, 10, QLatin1Char('0'))
                               .toUtf8();
                }
            csv += QStringLiteral("S%1,%2,28,\n").arg(samples + 1).arg(specified, 0, 'f', 2).toUtf8();
            const QString file = dir.filePath(QStringLiteral("sheet%1.csv").arg(sheet));
            QVERIFY(writeAll(file, csv));

            QProcess command;
            command.start(QStringLiteral(MIXDESIGN),
                          {QStringLiteral("--results"), file, QStringLiteral("--strength"), QString::number(specified),
                           cube ? QStringLiteral("--cube") : QStringLiteral("--cylinder"), QStringLiteral("--json")});
            QVERIFY(command.waitForFinished(20000));
            QCOMPARE(command.exitCode(), 0);

            ResultsPage page;
            page.setDesign(specified, cube ? mix::Specimen::Cube : mix::Specimen::Cylinder);
            QVERIFY(page.openSheet(file));
            QVERIFY2(page.acceptance(), qPrintable(page.message()));
            QCOMPARE(QByteArray::fromStdString(format::jsonAcceptance(*page.acceptance())),
                     command.readAllStandardOutput());
        }
    }
};

MIXDESIGN_TEST_MAIN(ResultsPageTest)
#include "resultspage_test.moc"
