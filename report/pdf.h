#pragma once

#include "format/sheetlines.h"
#include "report/pdffinish.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QPageLayout;
class QPainter;
class QPdfWriter;

namespace report {

struct SheetFigure;

// The sheets as one PDF, one upright A4 page each, drawn exactly as they are printed, with
// every line's text readable as drawn, `title` as the document's title and the first sheet
// carrying `link` as a QR code when it is given, and the figure's sheet its drawing. The whole PDF in memory, so that a
// file is only touched once the document is complete; empty if it could not be made.
QByteArray reportPdf(std::span<const format::SheetLines> sheets, const QString& title = {}, const QByteArray& link = {},
                     const SheetFigure* figure = nullptr);

// Draws every page of a document on the painter and tells where each line of text went, page
// by page; nothing when a page could not be drawn.
using PdfDrawing = std::function<std::optional<std::vector<DrawnPage>>(QPainter&, QPdfWriter&)>;

// The road of every PDF the program writes, the report's and the mixer card's: Qt draws the
// pages on `layout`, then finishPdf gives back each drawn line's text, the title, PDF/A and
// bytes that depend on the content alone. Empty if it could not be made.
QByteArray finishedPdf(const QPageLayout& layout, const QString& title, const PdfDrawing& draw);

} // namespace report
