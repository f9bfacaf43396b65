#include "ui/print/pdfmaker.h"

#include "report/cardrender.h"
#include "report/figure.h"
#include "report/pdf.h"

namespace print {

QByteArray reportPdf(std::span<const format::SheetLines> sheets, const QString& title, const QByteArray& link,
                     const report::SheetFigure* figure)
{
    return report::reportPdf(sheets, title, link, figure);
}

QByteArray cardPdf(const report::Card& card) { return report::cardPdf(card); }

QByteArray figurePdf(std::span<const format::SheetLines> sheets, const report::SheetFigure& figure,
                     const QString& title)
{
    return report::figurePdf(sheets, figure, title);
}

} // namespace print
