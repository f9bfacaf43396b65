#include "cli/pdfexport.h"

#include "engine/calculate.h"
#include "report/reportlayout.h"
#include "report/reportpdf.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <iostream>

namespace cli {

namespace {

constexpr int kSoftware = 70;
constexpr int kCannotCreate = 73;

// Fonts and the PDF writer need a GUI application, but a PDF needs no display: the offscreen
// platform works wherever the command runs (ssh, cron, CI), whatever the environment names.
// Qt sees no argument of the user's, so none of them can be taken for one of its own options.
QByteArray renderPdf(const mix::CalcResult& result)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "mixdesign";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    return report::reportPdf(report::reportSheets(result));
}

} // namespace

int writePdf(const mix::CalcResult& result, const std::string& file)
{
    const QByteArray pdf = renderPdf(result);
    if (pdf.isEmpty()) {
        std::cerr << "mixdesign: the report could not be drawn\n";
        return kSoftware;
    }
    QSaveFile out(QFile::decodeName(QByteArray::fromStdString(file)));
    if (!out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size() || !out.commit()) {
        std::cerr << "mixdesign: cannot write " << file << "\n";
        return kCannotCreate;
    }
    return 0;
}

} // namespace cli
