#include "ui/print/pdfmaker.h"

#include "report/card.h"
#include "report/figure.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

namespace print {

namespace {

using ReportPdf = void(const format::SheetLines*, std::size_t, const QString*, const QByteArray*,
                       const report::SheetFigure*, QByteArray*);
using CardPdf = void(const report::Card*, QByteArray*);
using FigurePdf = void(const format::SheetLines*, std::size_t, const report::SheetFigure*, const QString*, QByteArray*);

// Beside the program in a build tree; in the package's private library folder once installed.
// Loaded once and never unloaded: Qt's clean-up at exit still runs code of the module.
void* module()
{
    static void* loaded = [] {
        const QString folder = QCoreApplication::applicationDirPath();
        for (const QString& place : {folder + QStringLiteral("/bolmiradex-pdf.so"),
                                     folder + QStringLiteral("/" BOLMIRADEX_PDF_MODULE_FROM_BINDIR)}) {
            if (void* handle = dlopen(QFile::encodeName(place).constData(), RTLD_NOW | RTLD_LOCAL))
                return handle;
            qWarning("bolmiradex: cannot load the PDF module: %s", dlerror());
        }
        return static_cast<void*>(nullptr);
    }();
    return loaded;
}

template <typename Function> Function* entry(const char* name)
{
    void* handle = module();
    return handle ? reinterpret_cast<Function*>(dlsym(handle, name)) : nullptr;
}

} // namespace

QByteArray reportPdf(std::span<const format::SheetLines> sheets, const QString& title, const QByteArray& link,
                     const report::SheetFigure* figure)
{
    QByteArray pdf;
    if (auto* make = entry<ReportPdf>("bolmiradex_report_pdf"))
        make(sheets.data(), sheets.size(), &title, &link, figure, &pdf);
    return pdf;
}

QByteArray cardPdf(const report::Card& card)
{
    QByteArray pdf;
    if (auto* make = entry<CardPdf>("bolmiradex_card_pdf"))
        make(&card, &pdf);
    return pdf;
}

QByteArray figurePdf(std::span<const format::SheetLines> sheets, const report::SheetFigure& figure,
                     const QString& title)
{
    QByteArray pdf;
    if (auto* make = entry<FigurePdf>("bolmiradex_figure_pdf"))
        make(sheets.data(), sheets.size(), &figure, &title, &pdf);
    return pdf;
}

} // namespace print
