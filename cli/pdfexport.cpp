#include "cli/pdfexport.h"

#include "cli/writtenstatus.h"

#include "engine/calculate.h"
#include "report/font.h"
#include "report/pdf.h"
#include "report/render.h"
#include "report/sheets.h"

#include "output/filewriter.h"

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
int writePdfFile(const mix::CalcResult& result, const mix::PourPlan* plan, const std::string& file)
{
    qInstallMessageHandler(quiet);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "mixdesign";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const auto sheets = report::reportSheets(result, plan);
    // Without a Thai face every line would come out as black bars, yet a PDF would be written.
    if (!report::fontCoversSheets(sheets)) {
        std::cerr << "mixdesign: " << report::missingThaiFontMessage().toStdString()
                  << "\nmixdesign: no installed font has the Thai letters of the report "
                     "(Debian: install fonts-thai-tlwg); nothing was written\n";
        return kUnavailable;
    }
    const QByteArray pdf = report::reportPdf(sheets);
    if (pdf.isEmpty()) {
        std::cerr << "mixdesign: the report could not be drawn\n";
        return kSoftware;
    }
    // The name as the user's bytes: a name that is not UTF-8 is still the file they meant.
    const output::WriteResult written = output::writeFile(QByteArray::fromStdString(file), pdf);
    if (!written.ok())
        std::cerr << "mixdesign: cannot write " << file << ": " << written.reason.toLocal8Bit().constData() << "\n";
    return exitStatusOf(written);
}

} // namespace

int writePdf(const mix::CalcResult& result, const mix::PourPlan* plan, const std::string& file)
{
    return writePdfFile(result, plan, file);
}

} // namespace cli

#ifdef MIXDESIGN_PDF_MODULE
// The entry the command looks up when it loads this module for --pdf.
extern "C" __attribute__((visibility("default"))) int mixdesign_write_pdf(const mix::CalcResult* result,
                                                                          const mix::PourPlan* plan, const char* file)
{
    return cli::writePdf(*result, plan, file);
}
#endif
