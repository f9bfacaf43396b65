#include "cli/pdfexport.h"

#include "cli/printable.h"
#include "cli/writtenstatus.h"

#include "engine/acceptance.h"
#include "engine/design.h"
#include "engine/version.h"
#include "format/acceptancechart.h"
#include "format/acceptancesheet.h"
#include "format/designlink.h"
#include "format/sheetlines.h"
#include "report/card.h"
#include "report/cardrender.h"
#include "report/figure.h"
#include "report/font.h"
#include "report/pdf.h"
#include "report/render.h"

#include "output/filewriter.h"

#include <QDate>
#include <QDateTime>
#include <QGuiApplication>

#include <iostream>

namespace cli {

namespace {

using namespace exitstatus;

// Qt's own chatter (a missing runtime folder, font fall-backs) is no business of the command's
// user; every failure that matters comes back as a result and is told by the command.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "mixdesign: " << message.toLocal8Bit().constData() << "\n";
}

// Fonts and the PDF writer need a GUI application, but a PDF needs no display: the offscreen
// platform works wherever the command runs (ssh, cron, CI), whatever the environment names.
// Qt sees no argument of the user's, so none of them can be taken for one of its own options.
QByteArray renderPdf(const PdfRequest& r, bool& noThaiFace)
{
    qInstallMessageHandler(quiet);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "mixdesign";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    if (r.document == Document::Acceptance) {
        // The date the sheet is filed on; SOURCE_DATE_EPOCH's, when set, so that a rerun is the same file.
        const auto epoch = report::sourceDateEpoch();
        const QDate today = epoch ? QDateTime::fromSecsSinceEpoch(*epoch, Qt::UTC).date() : QDate::currentDate();
        const auto sheets = format::acceptanceSheets(*r.acceptance, today.toString(Qt::ISODate).toStdString());
        noThaiFace = !report::fontCoversSheets(sheets);
        if (noThaiFace)
            return {};
        const report::SheetFigure chart{QByteArray::fromStdString(format::acceptanceChartSvg(*r.acceptance)),
                                        format::kAcceptanceChart};
        return report::figurePdf(sheets, chart, QString::fromStdString(format::acceptanceTitle(*r.acceptance)));
    }
    if (r.document == Document::Card) {
        const report::Card card = report::mixerCard(*r.design, QDate::currentDate().toString(Qt::ISODate));
        noThaiFace = !report::fontCoversCard(card);
        return noThaiFace ? QByteArray() : report::cardPdf(card);
    }
    const auto sheets = format::reportSheets(*r.design);
    // Without a Thai face every line would come out as black bars, yet a PDF would be written.
    noThaiFace = !report::fontCoversSheets(sheets);
    if (noThaiFace)
        return {};
    const auto chart = report::durabilityFigure(*r.design);
    return report::reportPdf(sheets, QString::fromStdString(format::reportTitle(*r.design->result)),
                             QByteArray::fromStdString(format::designLink(mix::kPageAddress, *r.design)),
                             chart ? &*chart : nullptr);
}

} // namespace

int writePdf(const PdfRequest& request)
{
    const std::string file = request.file;
    bool noThaiFace = false;
    const QByteArray pdf = renderPdf(request, noThaiFace);
    if (noThaiFace) {
        std::cerr << "mixdesign: " << report::missingThaiFontMessage().toStdString()
                  << "\nmixdesign: no installed font has the Thai letters of the report "
                     "(Debian: install fonts-thai-tlwg); nothing was written\n";
        return kUnavailable;
    }
    if (pdf.isEmpty()) {
        std::cerr << (request.document == Document::Card ? "mixdesign: the card could not be drawn\n"
                      : request.document == Document::Acceptance
                          ? "mixdesign: the acceptance sheet could not be drawn\n"
                          : "mixdesign: the report could not be drawn\n");
        return kSoftware;
    }
    // The name as the user's bytes: a name that is not UTF-8 is still the file they meant.
    const output::WriteResult written = output::writeFile(QByteArray::fromStdString(file), pdf);
    if (!written.ok())
        std::cerr << "mixdesign: cannot write " << printable(file) << ": " << written.reason.toLocal8Bit().constData()
                  << "\n";
    return exitStatusOf(written);
}

} // namespace cli

#ifdef MIXDESIGN_PDF_MODULE
// The entry the command looks up when it loads this module for --pdf.
extern "C" __attribute__((visibility("default"))) int mixdesign_write_pdf(const cli::PdfRequest* request)
{
    return cli::writePdf(*request);
}
#endif
