#include "engine/thaitexts.h"
#include "report/reportlayout.h"
#include "tests/report/support/reportliterals.h"
#include "tests/report/support/samplecaptions.h"
#include "tests/support/fixedcaptions.h"

#include <QTest>

#include <string>
#include <vector>

using namespace reporttest;
using namespace mix::text;

namespace {

struct Position {
    const char* line;
    int x;
    int y;
    bool bold;
};

// Where each line goes, as the layout gives it; the same for every design.
const Position kPositions[] = {
    {"1.1", 3900, 800, true},     {"1.2", 1000, 1400, false},   {"1.3", 900, 1800, false},
    {"1.4", 900, 2100, false},    {"1.5", 900, 2400, false},    {"1.6", 900, 2700, false},
    {"1.7", 1300, 3000, false},   {"1.8", 1300, 3300, false},   {"1.9", 1300, 3600, false},
    {"1.10", 1300, 3900, false},  {"1.11", 1300, 4200, false},  {"1.12", 1300, 4500, false},
    {"1.13", 1400, 4800, false},  {"1.14", 1400, 5100, false},  {"1.15", 1300, 5400, false},
    {"1.16", 1300, 5700, false},  {"1.17", 1300, 6000, false},  {"1.18", 1300, 6300, false},
    {"1.19", 1300, 6600, false},  {"1.20", 1300, 6900, false},  {"1.21", 1300, 7200, false},
    {"1.22", 1300, 7500, false},  {"1.23", 1300, 7800, false},  {"1.24", 1300, 8100, false},
    {"1.25", 1300, 8400, false},  {"1.26", 1300, 8700, false},  {"1.27", 1300, 9000, false},
    {"1.28", 1300, 9300, false},  {"1.29", 1300, 9600, false},  {"1.30", 1300, 9900, false},
    {"1.31", 1300, 10200, false}, {"1.32", 1300, 10500, false}, {"1.33", 1300, 10800, false},
    {"1.34", 1300, 11100, false}, {"1.35", 1300, 11400, false}, {"1.36", 1300, 11700, false},
    {"1.37", 1300, 12000, false}, {"1.38", 1300, 12300, false}, {"1.39", 1300, 12600, true},
    {"1.40", 1300, 12900, true},  {"1.41", 1300, 13200, true},  {"1.42", 1300, 13500, true},
    {"1.43", 1300, 13800, true},  {"1.44", 1300, 14100, true},  {"2.1", 1300, 1800, true},
    {"2.2", 1200, 2200, true},    {"2.3", 1200, 2600, true},    {"2.4", 1200, 3000, true},
    {"2.5", 1200, 3400, true},    {"2.6", 1200, 3800, true},    {"2.7", 1200, 4200, true},
    {"2.8", 1300, 4600, true},    {"2.9", 1300, 5000, true},    {"2.10", 1300, 5400, true},
};

std::string cap(std::string_view control)
{
    for (const auto& [name, text] : fixedCaptions)
        if (name == control)
            return text;
    return "missing caption " + std::string(control);
}

template <typename... Parts> std::string cat(const Parts&... parts)
{
    std::string s;
    ((s += parts), ...);
    return s;
}

// Every line of the first worked example, spelled out from the captions and the numbers
// worked by hand.
std::vector<std::string> firstExampleTexts()
{
    return {
        cat(kPrintedTitle),
        cat(kPrintedEngineer),
        cat(kPrintedStrengthWanted, "240", kUnitKgPerCm2),
        cat(kPrintedStrengthProduced, "300", kUnitKgPerCm2),
        cat(cap("Label11"), kSlump100, kUnitCm),
        cat(cap("Label78"), kStone2),
        cat(kPrintedHeadingSsd),
        cat(cap("Label8"), kWithAdmixture, kEquals, "190", kUnitLitrePerM3),
        cat(cap("Label13"), "0.61"),
        cat(cap("Label15(1)"), "311", kUnitKg),
        cat(cap("Label17(1)"), "99", kUnitLitre),
        cat(cap("Label19(1)"), kStone2),
        cat(cap("Label21(1)"), " ", "400", kUnitLitre),
        cat(cap("Label23(1)"), "301", kUnitLitre),
        cat(cap("Label25"), "798", kUnitKg),
        cat(cap("Label27(1)"), "410", kUnitLitre),
        cat(cap("Label29"), "1107", kUnitKg),
        cat(cap("Label31(1)"), "778", kUnitCc),
        cat(kPrintedHeadingUnrounded),
        cat(cap("Label33(1)"), "311", kUnitKilogram),
        cat(cap("Label34(1)"), "190", kUnitLitre),
        cat(cap("Label35(1)"), "798", kUnitKilogram),
        cat(cap("Label36(1)"), "1107", kUnitKilogram),
        cat(cap("Label37(1)"), "778", kUnitCc),
        cat(kPrintedHeadingRounded),
        cat(cap("Label52"), "310", kUnitKilogram),
        cat(cap("Label51"), "190", kUnitLitre),
        cat(cap("Label50"), "800", kUnitKilogram),
        cat(cap("Label49"), "1110", kUnitKilogram),
        cat(cap("Label48"), "800", kUnitCc),
        cat(kPrintedHeadingMoisture),
        cat(cap("Label53"), "5", kPercent),
        cat(cap("Label54"), kSandAbsorption),
        cat(cap("Label55"), "4.3", kPercent),
        cat(cap("Label56"), " ", "800"),
        cat(cap("Label58"), "34.4", kUnitKilogram),
        cat(cap("Label59"), "834.4", kUnitKilogram),
        cat(cap("Label60"), "155.6", kUnitLitre),
        cat(kPrintedHeadingFinal),
        cat(cap("Label67"), "310", kUnitKilogram),
        cat(cap("Label68"), "155", kUnitLitre),
        cat(cap("Label69"), "835", kUnitKilogram),
        cat(cap("Label70"), "1110", kUnitKilogram),
        cat(cap("Label71"), "800", kUnitCc),
        cat(kPrintedBagHeading),
        cat(kPrintedBagCement, kOneBag),
        cat(kPrintedBagWater, "25", kUnitLitre, kAbout, "0.9", kPail),
        cat(kPrintedBagSand, "0.08", kUnitCubicMetre, kAbout, "4.2", kBasket),
        cat(kPrintedBagStone, "0.11", kUnitCubicMetre, kAbout, "5.8", kBasket),
        cat(kPrintedBagAdmixture, "129.03", kUnitCc),
        cat(kPrintedNoteHeading),
        cat(kPrintedYieldPrefix, "0.16", kPrintedYieldUnit),
        cat(kPrintedBasketNote),
        cat(kPrintedOtherSizesNote),
    };
}

std::vector<std::string> secondExampleTexts()
{
    return {
        cat(kPrintedTitle),
        cat(kPrintedEngineer),
        cat(kPrintedStrengthWanted, "240", kUnitKgPerCm2),
        cat(kPrintedStrengthProduced, "348", kUnitKgPerCm2),
        cat(cap("Label11"), kSlump75, kUnitCm),
        cat(cap("Label78"), kStone1),
        cat(kPrintedHeadingSsd),
        cat(cap("Label8"), kWithoutAdmixture, kEquals, "180", kUnitLitrePerM3),
        cat(cap("Label13"), "0.5476"),
        cat(cap("Label15(1)"), "329", kUnitKg),
        cat(cap("Label17(1)"), "104", kUnitLitre),
        cat(cap("Label19(1)"), kStone1),
        cat(cap("Label21(1)"), " ", "380", kUnitLitre),
        cat(cap("Label23(1)"), "276", kUnitLitre),
        cat(cap("Label25"), "731", kUnitKg),
        cat(cap("Label27(1)"), "440", kUnitLitre),
        cat(cap("Label29"), "1188", kUnitKg),
        cat(cap("Label31(1)"), "0", kUnitCc),
        cat(kPrintedHeadingUnrounded),
        cat(cap("Label33(1)"), "329", kUnitKilogram),
        cat(cap("Label34(1)"), "180", kUnitLitre),
        cat(cap("Label35(1)"), "731", kUnitKilogram),
        cat(cap("Label36(1)"), "1188", kUnitKilogram),
        cat(cap("Label37(1)"), "0", kUnitCc),
        cat(kPrintedHeadingRounded),
        cat(cap("Label52"), "330", kUnitKilogram),
        cat(cap("Label51"), "180", kUnitLitre),
        cat(cap("Label50"), "730", kUnitKilogram),
        cat(cap("Label49"), "1190", kUnitKilogram),
        cat(cap("Label48"), "0", kUnitCc),
        cat(kPrintedHeadingMoisture),
        cat(cap("Label53"), "3", kPercent),
        cat(cap("Label54"), kSandAbsorption),
        cat(cap("Label55"), "2.3", kPercent),
        cat(cap("Label56"), " ", "730"),
        cat(cap("Label58"), "16.79", kUnitKilogram),
        cat(cap("Label59"), "746.79", kUnitKilogram),
        cat(cap("Label60"), "163.21", kUnitLitre),
        cat(kPrintedHeadingFinal),
        cat(cap("Label67"), "330", kUnitKilogram),
        cat(cap("Label68"), "165", kUnitLitre),
        cat(cap("Label69"), "750", kUnitKilogram),
        cat(cap("Label70"), "1190", kUnitKilogram),
        cat(cap("Label71"), "0", kUnitCc),
        cat(kPrintedBagHeading),
        cat(kPrintedBagCement, kOneBag),
        cat(kPrintedBagWater, "25", kUnitLitre, kAbout, "0.9", kPail),
        cat(kPrintedBagSand, "0.07", kUnitCubicMetre, kAbout, "3.7", kBasket),
        cat(kPrintedBagStone, "0.11", kUnitCubicMetre, kAbout, "5.8", kBasket),
        cat(kPrintedBagAdmixture, "0", kUnitCc),
        cat(kPrintedNoteHeading),
        cat(kPrintedYieldPrefix, "0.15", kPrintedYieldUnit),
        cat(kPrintedBasketNote),
        cat(kPrintedOtherSizesNote),
    };
}

std::vector<report::ReportLine> bothSheets(const CalculatedWindow& window)
{
    auto lines = report::sheet1Lines(window.result);
    const auto sheet2 = report::sheet2Lines(window.result);
    lines.insert(lines.end(), sheet2.begin(), sheet2.end());
    return lines;
}

QString u(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

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

        const struct {
            const char* name;
            mix::MixInputs inputs;
            std::vector<std::string> texts;
        } examples[] = {{"first", firstWorkedExample(), firstExampleTexts()},
                        {"second", secondWorkedExample(), secondExampleTexts()}};
        for (const auto& example : examples) {
            const auto lines = bothSheets(calculatedWindow(example.inputs));
            QCOMPARE(lines.size(), std::size(kPositions));
            QCOMPARE(example.texts.size(), std::size(kPositions));
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const Position& at = kPositions[i];
                QTest::addRow("%s %s", example.name, at.line)
                    << lines[i].text << lines[i].x << lines[i].y << lines[i].bold << u(example.texts[i]) << at.x << at.y
                    << at.bold;
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

    void emptyResultLeavesOnlyTheFixedTexts()
    {
        mix::CalcResult empty;
        empty.numbers.design.mcement = 0.16129032f;
        const auto sheet1 = report::sheet1Lines(empty);
        const auto sheet2 = report::sheet2Lines(empty);
        QCOMPARE(sheet1.size(), 44u);
        QCOMPARE(sheet2.size(), 10u);
        QCOMPARE(sheet1[2].text, u(kPrintedStrengthWanted));                   // 1.3
        QCOMPARE(sheet1[4].text, u(cap("Label11")));                           // 1.5, its fixed caption alone
        QCOMPARE(sheet1[7].text, u(cap("Label8")));                            // 1.8, three labels
        QCOMPARE(sheet1[12].text, u(cap("Label21(1)")) + QStringLiteral(" ")); // 1.13 keeps its blank
        QCOMPARE(sheet1[25].text, u(cap("Label52")) + u(kUnitKilogram));       // 1.26 keeps its unit
        QCOMPARE(sheet2[1].text, u(kPrintedBagCement));                        // 2.2
        QCOMPARE(sheet2[7].text, u(cat(kPrintedYieldPrefix, "0.16", kPrintedYieldUnit)));
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
        QCOMPARE(report::yieldText(mcement), expected);
        mix::CalcResult empty;
        empty.numbers.design.mcement = mcement;
        const auto sheet2 = report::sheet2Lines(empty);
        QCOMPARE(sheet2[7].text, u(kPrintedYieldPrefix) + expected + u(kPrintedYieldUnit));
    }
};

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
