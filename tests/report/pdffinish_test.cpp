#include "format/sheetlines.h"
#include "report/page.h"
#include "report/pdf.h"
#include "report/pdfcmap.h"
#include "report/pdffinish.h"
#include "report/render.h"
#include "tests/report/support/pdfwords.h"
#include "tests/report/support/samplecaptions.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace reporttest;

namespace {

// The sheets as Qt alone writes them, and where each line went.
struct QtPdf {
    QByteArray bytes;
    std::vector<report::DrawnPage> pages;
};

QtPdf qtPdf(const std::vector<format::SheetLines>& sheets)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(report::reportPageLayout());
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    QPainter painter(&writer);
    report::renderSheets(painter, writer, sheets);
    painter.end();
    QtPdf pdf{buffer.data(), {}};
    for (const format::SheetLines& sheet : sheets) {
        const auto starts = report::baselines(&writer, sheet);
        auto& page = pdf.pages.emplace_back();
        for (std::size_t i = 0; i < sheet.size(); ++i)
            page.push_back({report::lineText(sheet[i]), starts[i]});
    }
    return pdf;
}

QString saved(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

std::vector<format::SheetLines> firstSheets() { return format::reportSheets(calculatedDesign(firstWorkedExample())); }

} // namespace

class TestPdfFinish : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(pdfToolAvailable(), "poppler-utils is needed"); }

    void toUnicodeNamesTheThaiMarks_data()
    {
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("mended");
        QTest::newRow("range: tab, lowered mai ek and thanthakhat")
            << "2 beginbfrange\n<0001> <0003> [<0009> <F70A> <f70e>]\nendbfrange"
            << "2 beginbfrange\n<0001> <0003> [<0020> <0E48> <0E4C>]\nendbfrange";
        QTest::newRow("char: glyph 9 stays glyph 9, the text is mended")
            << "1 beginbfchar\n<0009> <0009>\n<000a> <0E0DF70B>\nendbfchar"
            << "1 beginbfchar\n<0009> <0020>\n<000a> <0E0D0E49>\nendbfchar";
        QTest::newRow("shifted left, lowered vowel, tailless yo ying")
            << "1 beginbfchar\n<0004> <F713>\n<0005> <F718>\n<0006> <F70F>\nendbfchar"
            << "1 beginbfchar\n<0004> <0E48>\n<0005> <0E38>\n<0006> <0E0D>\nendbfchar";
        QTest::newRow("outside the maps nothing changes") << "1 begincodespacerange\n<0009> <F70A>\nendcodespacerange"
                                                          << "1 begincodespacerange\n<0009> <F70A>\nendcodespacerange";
    }

    void toUnicodeNamesTheThaiMarks()
    {
        QFETCH(QString, map);
        QFETCH(QString, mended);
        QCOMPARE(QString::fromStdString(report::mendedToUnicode(map.toStdString())), mended);
    }

    void picturesStayAndTheTextComesBack()
    {
        const auto sheets = firstSheets();
        const QtPdf qt = qtPdf(sheets);
        QTemporaryDir dir;
        const QString before = saved(dir, "qt.pdf", qt.bytes);
        const QString after = saved(dir, "finished.pdf", report::finishPdf(qt.bytes, qt.pages, std::nullopt));
        const auto images = pageImages(before);
        QCOMPARE(images.size(), sheets.size());
        QVERIFY(images == pageImages(after));
        const auto pages = readPdf(after);
        QCOMPARE(pages.size(), sheets.size());
        for (std::size_t s = 0; s < sheets.size(); ++s)
            for (std::size_t i = 0; i < sheets[s].size(); ++i)
                QCOMPARE(comparable(pages[s].lines[i].text), comparable(report::lineText(sheets[s][i])));
    }

    void aPdfOfAnotherShapeIsLeftAsItIs()
    {
        const auto sheets = firstSheets();
        QtPdf qt = qtPdf(sheets);
        QCOMPARE(report::finishPdf(qt.bytes, {qt.pages.front()}, std::nullopt), qt.bytes);
        qt.pages[1][3].baseline += QPointF(1, 0); // a line not where the code expects Qt to draw it
        QCOMPARE(report::finishPdf(qt.bytes, qt.pages, std::nullopt), qt.bytes);
        QCOMPARE(report::finishPdf("%PDF-1.4 cut short", qt.pages, std::nullopt), QByteArray("%PDF-1.4 cut short"));
    }

    void filedWithTitleVersionAndAFixedDate()
    {
        // Two runs a second apart differ in Qt's clock (in the information and the XMP
        // packet); a date given in its place makes them the same bytes.
        const QtPdf qt = qtPdf(firstSheets());
        QByteArray later = qt.bytes;
        for (const auto& [key, seconds] : {std::pair("(D:", 16), std::pair("xmp:CreateDate=\"", 34)}) {
            const qsizetype at = later.indexOf(key);
            QVERIFY(at > 0);
            later[at + seconds] = later[at + seconds] == '0' ? '1' : '0'; // the last digit of the seconds
        }
        const QByteArray first = report::finishPdf(qt.bytes, qt.pages, 1700000000);
        QVERIFY(first != qt.bytes);
        QVERIFY(first == report::finishPdf(later, qt.pages, 1700000000));

        // Qt's /ID and its subset tags change on every run too.
        qputenv("SOURCE_DATE_EPOCH", "1700000000");
        const QByteArray run1 = report::reportPdf(firstSheets());
        const QByteArray run2 = report::reportPdf(firstSheets());
        qunsetenv("SOURCE_DATE_EPOCH");
        QVERIFY(run1 == run2);
        QVERIFY(run1.contains("xmp:CreateDate=\"2023-11-14T22:13:20Z\""));

        QTemporaryDir dir;
        const QString file = saved(dir, "dated.pdf", first);
        QCOMPARE(pdfInfo(file, "CreationDate"), QStringLiteral("Tue Nov 14 22:13:20 2023 UTC"));

        const QString titled =
            saved(dir, "titled.pdf",
                  report::reportPdf(firstSheets(), QString::fromStdString(format::reportTitle(
                                                       calculatedWindow(firstWorkedExample()).result))));
        QCOMPARE(pdfInfo(titled, "Title"), QStringLiteral("รายการคำนวณ ออกแบบอัตราส่วนผสมคอนกรีต 240 กก./ตร.ซม."));
        QVERIFY(pdfInfo(titled, "Creator").startsWith(QStringLiteral("mixdesign 1.")));
    }
};

QTEST_MAIN(TestPdfFinish)
#include "pdffinish_test.moc"
