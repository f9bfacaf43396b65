// The entries the window looks up when it loads its PDF module (see pdfmoduleloader.cpp). The
// module is built from the same sources as the window, so the arguments are the same types.
#include "ui/print/pdfmaker.h"

#include "report/card.h"
#include "report/figure.h"

extern "C" __attribute__((visibility("default"))) void
bolmiradex_report_pdf(const format::SheetLines* sheets, std::size_t count, const QString* title, const QByteArray* link,
                      const report::SheetFigure* figure, QByteArray* pdf)
{
    *pdf = print::reportPdf(std::span(sheets, count), *title, *link, figure);
}

extern "C" __attribute__((visibility("default"))) void bolmiradex_card_pdf(const report::Card* card, QByteArray* pdf)
{
    *pdf = print::cardPdf(*card);
}

extern "C" __attribute__((visibility("default"))) void bolmiradex_figure_pdf(const format::SheetLines* sheets,
                                                                             std::size_t count,
                                                                             const report::SheetFigure* figure,
                                                                             const QString* title, QByteArray* pdf)
{
    *pdf = print::figurePdf(std::span(sheets, count), *figure, *title);
}
