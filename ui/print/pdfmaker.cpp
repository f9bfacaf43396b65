#include "ui/print/pdfmaker.h"

#include "report/cardrender.h"
#include "report/pdf.h"

namespace print {

QByteArray reportPdf(std::span<const format::SheetLines> sheets, const QString& title, const QByteArray& link,
                     const report::SheetFigure* figure)
{
    return report::reportPdf(sheets, title, link, figure);
}

QByteArray cardPdf(const report::Card& card) { return report::cardPdf(card); }

} // namespace print
