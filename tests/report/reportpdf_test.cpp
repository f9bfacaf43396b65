#include "format/designlink.h"
#include "format/sheetlines.h"
#include "report/figure.h"
#include "report/font.h"
#include "report/page.h"
#include "report/pdf.h"
#include "report/render.h"
#include "tests/report/support/pdfwords.h"
#include "tests/report/support/samplecaptions.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace reporttest;

namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kPositionTolerance = 15.0; // twips: rounding of the PDF coordinates
constexpr double kBlankAllowance = 110.0;   // twips a leading blank may push the first word right

int leadingBlanks(const QString& text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

// Printable width of the report's page, in twips.
double printableWidthTwips()
{
    const QPageLayout page = report::reportPageLayout();
    return page.paintRect(QPageLayout::Point).width() * kTwipsPerPoint;
}

} // namespace

Q_DECLARE_METATYPE(mix::MixInputs)

class TestReportPdf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(pdfToolAvailable(), "pdftotext (poppler-utils) is needed"); }

    void substituteFaceIsInstalled()
    {
        // Another face would not have the narrow proportions the layout relies on.
        QCOMPARE(QFontInfo(report::reportFont(false)).family(), QStringLiteral("Umpush"));
        QCOMPARE(QFontInfo(report::reportFont(true)).family(), QStringLiteral("Umpush"));
        QVERIFY(QFontInfo(report::reportFont(true)).bold());
    }

    void examples_data()
    {
        QTest::addColumn<mix::MixInputs>("inputs");
        QTest::newRow("first worked example") << firstWorkedExample();
        QTest::newRow("second worked example") << secondWorkedExample();
    }

    void everyLineFitsTheWidth_data() { examples_data(); }

    void everyLineFitsTheWidth()
    {
        // Measured with the trailing blanks some lines end in, which the PDF does not show.
        QFETCH(mix::MixInputs, inputs);
        const CalculatedWindow window = calculatedWindow(inputs);
        QBuffer sink;
        sink.open(QIODevice::WriteOnly);
        QPdfWriter device(&sink);
        const double twipsPerUnit = 1440.0 / device.logicalDpiX();
        for (const auto& sheet : {format::sheet1Lines(window.result), format::sheet2Lines(window.result)}) {
            for (const format::SheetLine& line : sheet) {
                const QFontMetricsF metrics(report::reportFont(line.bold), &device);
                const double end = line.x + metrics.horizontalAdvance(report::lineText(line)) * twipsPerUnit;
                QVERIFY2(end <= printableWidthTwips(),
                         qPrintable(QStringLiteral("ends at %1 twips: %2").arg(end).arg(report::lineText(line))));
            }
        }
    }

    void pdfHoldsBothSheets_data() { examples_data(); }

    void pdfHoldsBothSheets()
    {
        QFETCH(mix::MixInputs, inputs);
        const CalculatedWindow window = calculatedWindow(inputs);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report.pdf"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) &&
                out.write(report::reportPdf(format::reportSheets(calculatedDesign(inputs)))) > 0);
        out.close();

        const std::vector<PdfPage> pages = readPdf(file);
        QCOMPARE(pages.size(), 2u);
        const format::SheetLines sheets[] = {format::sheet1Lines(window.result), format::sheet2Lines(window.result)};
        for (int s = 0; s < 2; ++s) {
            const PdfPage& page = pages[s];
            QCOMPARE(qRound(page.width), 595); // A4 upright, in points
            QCOMPARE(qRound(page.height), 842);
            const auto& lines = sheets[s];
            QCOMPARE(page.lines.size(), lines.size());
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const format::SheetLine& want = lines[i];
                const PdfLine& got = page.lines[i];
                const QString where = QStringLiteral("sheet %1 line %2").arg(s + 1).arg(i + 1);
                QVERIFY2(comparable(got.text) == comparable(report::lineText(want)),
                         qPrintable(where + QStringLiteral(": ") + got.text));
                const double x = got.xMin * kTwipsPerPoint;
                const double y = got.yMin * kTwipsPerPoint;
                QVERIFY2(x >= want.x - kPositionTolerance &&
                             x <= want.x + kPositionTolerance + kBlankAllowance * leadingBlanks(report::lineText(want)),
                         qPrintable(where + QStringLiteral(" starts at x=%1").arg(x)));
                QVERIFY2(qAbs(y - want.y) <= kPositionTolerance, qPrintable(where + QStringLiteral(" at y=%1").arg(y)));
                QVERIFY2(got.xMax * kTwipsPerPoint <= printableWidthTwips(),
                         qPrintable(where + QStringLiteral(" ends at x=%1").arg(got.xMax * kTwipsPerPoint)));
            }
        }
    }

    void printerMarginsScaleTheSheetDownWhole()
    {
        // A quarter-inch margin leaves 19.7 cm, and sheet 2's last note runs to 20.0 cm.
        // A PDF writer with the margins stands in for the printer: the sheet sees the same device.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("margins.pdf"));
        const qreal margin = 18; // points
        {
            QPdfWriter printer(file);
            printer.setResolution(1200);
            printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                              QMarginsF(margin, margin, margin, margin), QPageLayout::Point));
            QPainter painter(&printer);
            report::render(painter, format::sheet2Lines(calculatedWindow(firstWorkedExample()).result));
        }

        const auto pages = readPdf(file);
        QCOMPARE(pages.size(), 1u);
        const auto& lines = pages[0].lines;
        QCOMPARE(lines.size(), 10u);
        for (const PdfLine& line : lines)
            QVERIFY2(line.xMax <= 595.3 - margin + 0.5, qPrintable(line.text));
        // Line 2.2 starts 60 pt in and line 2.10 lies 160 pt below it on the design: both
        // shrink by the same factor, somewhat below one.
        const double across = lines[1].xMin - margin;
        const double down = lines[9].yMin - lines[1].yMin;
        QVERIFY2(across < 60 && across > 55, qPrintable(QString::number(across)));
        QVERIFY2(qAbs(down / across - 160.0 / 60.0) < 0.02, qPrintable(QString::number(down / across)));
    }

    void sheetOneCarriesItsLinkAsQrCode()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
            QSKIP("zbarimg (zbar-tools) reads the code back");
        const mix::Design design = calculatedDesign(firstWorkedExample());
        const QByteArray link = QByteArray::fromStdString(format::designLink("https://example.org/mix/", design));
        QCOMPARE(link, QByteArray("https://example.org/mix/#strength=240&specimen=cube&slump=10&stone=2&admixture=yes"
                                  "&dose=250&moisture=5"));
        QTemporaryDir dir;
        const auto codeOnPage = [&dir](const QByteArray& pdf, int page) {
            const QString file = dir.filePath(QStringLiteral("qr.pdf"));
            QFile out(file);
            if (!out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size())
                return QByteArray("(not written)");
            out.close();
            const QString png = dir.filePath(QStringLiteral("page"));
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                               QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page),
                               QStringLiteral("-l"), QString::number(page), file, png});
            QProcess zbar;
            zbar.start(QStringLiteral("zbarimg"),
                       {QStringLiteral("--raw"), QStringLiteral("-q"), png + QStringLiteral(".png")});
            zbar.waitForFinished();
            return zbar.readAllStandardOutput().trimmed();
        };
        const std::vector<format::SheetLines> sheets = format::reportSheets(design);
        QCOMPARE(codeOnPage(report::reportPdf(sheets, {}, link), 1), link);
        QCOMPARE(codeOnPage(report::reportPdf(sheets, {}, link), 2), QByteArray());
        QCOMPARE(codeOnPage(report::reportPdf(sheets), 1), QByteArray());
        // The code is drawn beside the text, never instead of any: the lines read back the same.
        const auto textOf = [&dir](const QByteArray& pdf) {
            const QString file = dir.filePath(QStringLiteral("text.pdf"));
            QFile out(file);
            QStringList lines;
            if (out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size()) {
                out.close();
                for (const PdfPage& page : readPdf(file))
                    for (const PdfLine& line : page.lines)
                        lines << line.text;
            }
            return lines;
        };
        const QStringList plain = textOf(report::reportPdf(sheets));
        QCOMPARE(plain.size(), 54);
        QCOMPARE(textOf(report::reportPdf(sheets, {}, link)), plain);
    }

    // With an exposure class, sheet 2 carries the chart in its blank under the batch, drawn after
    // the sheet's lines, which read back as they were; without one there is no chart.
    void sheetTwoCarriesTheExposureChart()
    {
        mix::Entries entries{firstWorkedExample(), {}, mix::Exposure::XC3};
        const mix::Design design = mix::designOf(entries);
        QVERIFY(!report::durabilityFigure(calculatedDesign(firstWorkedExample())));
        const auto figure = report::durabilityFigure(design);
        QVERIFY(figure);
        QCOMPARE(figure->sheet, 1u);
        const std::vector<format::SheetLines> sheets = format::reportSheets(design);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("chart.pdf"));
        QFile out(file);
        const QByteArray pdf = report::reportPdf(sheets, {}, {}, &*figure);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size());
        out.close();
        const std::vector<PdfPage> pages = readPdf(file);
        QCOMPARE(pages.size(), 2u);
        for (std::size_t i = 0; i < sheets[1].size(); ++i)
            QCOMPARE(comparable(pages[1].lines[i].text), comparable(report::lineText(sheets[1][i])));
        // The class's limit is drawn in dark red, inside the chart's box (1300, 6000, 8800 x 4950
        // twips) and nowhere else on the page.
        const QString png = dir.filePath(QStringLiteral("page"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                    QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("2"),
                                    QStringLiteral("-l"), QStringLiteral("2"), file, png}),
                 0);
        const QImage page(png + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        const QRect box(65, 300, 440, 248); // the box at 72 dpi, 20 twips a pixel
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (c.red() > 140 && c.green() < 70 && c.blue() < 90)
                    ++(box.contains(x, y) ? inside : outside);
            }
        QVERIFY2(inside > 100, qPrintable(QString::number(inside)));
        QCOMPARE(outside, 0);
    }

    void documentIsWholeBeforeAnyFileIsTouched()
    {
        const QByteArray pdf = report::reportPdf(format::reportSheets(calculatedDesign(firstWorkedExample())));
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    }
};

QTEST_MAIN(TestReportPdf)
#include "reportpdf_test.moc"
