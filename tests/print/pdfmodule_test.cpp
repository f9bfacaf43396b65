#include "report/card.h"
#include "report/cardrender.h"
#include "report/figure.h"
#include "report/pdf.h"
#include "tests/report/support/samplecaptions.h"
#include "ui/print/pdfmaker.h"

#include "engine/acceptance.h"
#include "format/acceptancechart.h"
#include "format/acceptancesheet.h"

#include <QGuiApplication>
#include <QTest>

using namespace reporttest;

// The window's PDFs come from its module (bolmiradex-pdf.so, beside this test as beside the
// program): they must be the very bytes the report makes in-process, finishing included.
class TestPdfModule : public QObject {
    Q_OBJECT

private slots:
    void theModuleMakesTheReportsOwnBytes()
    {
        const mix::Design design = calculatedDesign(firstWorkedExample());
        const std::vector<format::SheetLines> sheets = format::reportSheets(design);
        const QString title = QStringLiteral("title");
        const QByteArray link("https://example.org/#s=240");
        const QByteArray fromModule = print::reportPdf(sheets, title, link);
        QVERIFY(fromModule.startsWith("%PDF-"));
        QCOMPARE(fromModule, report::reportPdf(sheets, title, link));

        const report::Card card = report::mixerCard(design, QStringLiteral("9/12/2569"));
        const QByteArray cardFromModule = print::cardPdf(card);
        QVERIFY(cardFromModule.startsWith("%PDF-"));
        QCOMPARE(cardFromModule, report::cardPdf(card));

        const mix::Acceptance judged = mix::judgeResults(
            240, mix::Specimen::Cube,
            {{"A", 250, 28, "", 0}, {"B", 199, 28, "", 0}, {"C", 248, 28, "", 0}, {"D", 300, 28, "", 0}});
        const auto acceptance = format::acceptanceSheets(judged, "2026-12-09");
        const report::SheetFigure chart{QByteArray::fromStdString(format::acceptanceChartSvg(judged)),
                                        format::kAcceptanceChart};
        const QByteArray acceptanceFromModule = print::figurePdf(acceptance, chart, title);
        QVERIFY(acceptanceFromModule.startsWith("%PDF-"));
        QCOMPARE(acceptanceFromModule, report::figurePdf(acceptance, chart, title));
    }
};

QTEST_MAIN(TestPdfModule)
#include "pdfmodule_test.moc"
