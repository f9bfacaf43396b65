#include "engine/calculate.h"
#include "format/sheetlines.h"
#include "tests/report/support/reportliterals.h"
#include "tests/report/support/samplecaptions.h"
#include "tests/support/golden.h"

#include <QTest>

using namespace reporttest;

namespace {

// The fixed caption of a control, as the golden file of the window's captions has it.
QString cap(const QString& control)
{
    for (const auto& [name, text] : golden::table(QStringLiteral("window/fixedcaptions.tsv")))
        if (name == control)
            return text;
    return QStringLiteral("missing caption ") + control;
}

QString u(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

using mix::Entry;

// Ten cubic metres at the site's usual measures, each entry typed.
mix::EntryTexts tenCubicMetres(std::initializer_list<std::pair<Entry, const char*>> prices = {})
{
    mix::EntryTexts texts = pourEntries({{Entry::Volume, "10"},
                                         {Entry::Waste, "5"},
                                         {Entry::BagKg, "50"},
                                         {Entry::Basket, "0.019"},
                                         {Entry::Pail, "27"},
                                         {Entry::BagsPerBatch, "1"}});
    for (const auto& [entry, text] : prices)
        texts[size_t(entry)] = text;
    return texts;
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedX");
        QTest::addColumn<int>("expectedY");
        QTest::addColumn<bool>("expectedBold");

        // Golden lines: the line's number on its sheet, x and y in twips, bold or normal, the text.
        const struct {
            const char* name;
            mix::MixInputs inputs;
            QString golden;
        } examples[] = {{"first", firstWorkedExample(), QStringLiteral("report/example1.tsv")},
                        {"second", secondWorkedExample(), QStringLiteral("report/example2.tsv")}};
        for (const auto& example : examples) {
            const mix::CalcResult result = calculatedWindow(example.inputs).result;
            format::SheetLines lines = format::sheet1Lines(result);
            const format::SheetLines sheet2 = format::sheet2Lines(result);
            lines.insert(lines.end(), sheet2.begin(), sheet2.end());
            const QStringList expected = golden::lines(example.golden);
            QCOMPARE(lines.size(), 54u);
            QCOMPARE(qsizetype(lines.size()), expected.size());
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const QStringList at = expected[qsizetype(i)].split(QLatin1Char('\t'));
                QCOMPARE(at.size(), 5);
                QTest::addRow("%s %s", example.name, qPrintable(at[0]))
                    << u(lines[i].text) << lines[i].x << lines[i].y << lines[i].bold << at[4] << at[1].toInt()
                    << at[2].toInt() << (at[3] == QStringLiteral("bold"));
            }
        }
    }

    void workedExamples()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
        QFETCH(int, x);
        QFETCH(int, expectedX);
        QCOMPARE(x, expectedX);
        QFETCH(int, y);
        QFETCH(int, expectedY);
        QCOMPARE(y, expectedY);
        QFETCH(bool, bold);
        QFETCH(bool, expectedBold);
        QCOMPARE(bold, expectedBold);
    }

    // The material order comes only with a volume; without one the report is the two sheets.
    void orderSheetOnlyWithAPlan()
    {
        QCOMPARE(format::reportSheets(calculatedDesign(firstWorkedExample())).size(), 2u);
        const auto sheets = format::reportSheets(calculatedDesign(firstWorkedExample(), tenCubicMetres()));
        QCOMPARE(sheets.size(), 3u);
        const QStringList expected = golden::lines(QStringLiteral("report/order-example1.tsv"));
        QCOMPARE(qsizetype(sheets[2].size()), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const format::SheetLine& line = sheets[2][size_t(i)];
            const QStringList at = expected[i].split(QLatin1Char('\t'));
            QCOMPARE(u(line.text), at[4]);
            QCOMPARE(QList<int>({line.x, line.y, line.bold}),
                     QList<int>({at[1].toInt(), at[2].toInt(), at[3] == "bold"}));
        }

        // With prices the sheet ends with what the order costs, the lines the tab and the
        // command print, the heading bold and a gap above it.
        const mix::EntryTexts priced = tenCubicMetres({{Entry::PriceCement, "128.5"},
                                                       {Entry::PriceSand, "415.5"},
                                                       {Entry::PriceStone, "462.75"},
                                                       {Entry::PriceAdmixture, "87.35"},
                                                       {Entry::PriceReadymix, "1850"}});
        const format::SheetLines costed = format::reportSheets(calculatedDesign(firstWorkedExample(), priced))[2];
        const QStringList cost = golden::lines(QStringLiteral("texts/pourcost-example1.txt"));
        QCOMPARE(qsizetype(costed.size()), expected.size() + cost.size());
        for (qsizetype i = 0; i < cost.size(); ++i) {
            const format::SheetLine& line = costed[size_t(expected.size() + i)];
            QCOMPARE(u(line.text), cost[i]);
            QCOMPARE(QList<int>({line.x, line.y, line.bold}), QList<int>({1200, 8800 + 350 * int(i), i == 0}));
        }

        // Without admixture its line says so, and a batch has no admixture line.
        const format::SheetLines order =
            format::reportSheets(calculatedDesign(secondWorkedExample(), tenCubicMetres()))[2];
        QCOMPARE(order.size(), 19u);
        QCOMPARE(u(order[12].text), QStringLiteral("ไม่ใส่น้ำยาผสมคอนกรีต"));
    }

    void emptyResultLeavesOnlyTheFixedTexts()
    {
        mix::CalcResult empty;
        empty.numbers.design.mcement = 0.16129032f;
        const auto sheet1 = format::sheet1Lines(empty);
        const auto sheet2 = format::sheet2Lines(empty);
        QCOMPARE(sheet1.size(), 44u);
        QCOMPARE(sheet2.size(), 10u);
        QCOMPARE(u(sheet1[2].text), u(kPrintedStrengthWanted));                // 1.3
        QCOMPARE(u(sheet1[4].text), cap("Label11"));                           // 1.5, its fixed caption alone
        QCOMPARE(u(sheet1[7].text), cap("Label8"));                            // 1.8, three labels
        QCOMPARE(u(sheet1[12].text), cap("Label21(1)") + QStringLiteral(" ")); // 1.13 keeps its blank
        QCOMPARE(u(sheet1[25].text), cap("Label52") + u(kPrintedKilogram));    // 1.26 keeps its unit
        QCOMPARE(u(sheet2[1].text), u(kPrintedBagCement));                     // 2.2
        QCOMPARE(u(sheet2[7].text), u(kPrintedYieldPrefix) + QStringLiteral("0.16") + u(kPrintedYieldUnit));
    }

    void yield_data()
    {
        QTest::addColumn<float>("mcement");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half goes to even, down") << 0.125f << "0.12";
        QTest::newRow("above half") << 0.15625f << "0.16";
        QTest::newRow("one decimal") << 0.1f << "0.1";
        QTest::newRow("first example") << 0.16129032f << "0.16";
        QTest::newRow("second example") << 0.15151516f << "0.15";
        QTest::newRow("whole") << 1.0f << "1";
        QTest::newRow("trailing zero dropped") << 0.2f << "0.2";
    }

    void yield()
    {
        QFETCH(float, mcement);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(format::yieldText(mcement)), expected);
        mix::CalcResult empty;
        empty.numbers.design.mcement = mcement;
        const auto sheet2 = format::sheet2Lines(empty);
        QCOMPARE(u(sheet2[7].text), u(kPrintedYieldPrefix) + expected + u(kPrintedYieldUnit));
    }
};

QTEST_MAIN(TestReportLayout)
#include "reportlayout_test.moc"
