#pragma once

#include "format/sheetlines.h"

#include <QByteArray>
#include <QString>

#include <span>

namespace report {
struct Card;
struct SheetFigure;
} // namespace report

namespace print {

// The window's two PDFs, finished as `mixdesign --pdf` and `--card` finish theirs
// (report::reportPdf, report::cardPdf); empty when they could not be made. The finishing needs
// libqpdf and the TLS library it loads, several megabytes: where the program is built with its
// PDF module (bolmiradex-pdf.so, on Linux) they are loaded with the first PDF written, never at
// start. Which of the two makers a program has is chosen when it is linked: mixprintpdf calls
// the report in-process, mixprintpdfmodule loads the module.
QByteArray reportPdf(std::span<const format::SheetLines> sheets, const QString& title, const QByteArray& link,
                     const report::SheetFigure* figure = nullptr);
QByteArray cardPdf(const report::Card& card);
// The acceptance sheet of strength results, its chart on the first sheet (report::figurePdf).
QByteArray figurePdf(std::span<const format::SheetLines> sheets, const report::SheetFigure& figure,
                     const QString& title);

} // namespace print
