#pragma once

#include "engine/design.h"
#include "format/sheetlines.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>
#include <span>

class QPainter;

namespace report {

// A drawing on a sheet: an SVG (format/svgchart.h) filling a box of twips, scaled with the
// sheet's lines so that it keeps its place wherever they are drawn.
struct SheetFigure {
    QByteArray svg;
    format::SheetBox box;
    std::size_t sheet = 0; // which of the document's sheets carries it
};

// The design's exposure chart on its report sheet; none when no class is chosen.
std::optional<SheetFigure> durabilityFigure(const mix::Design& design);

// Draws the figure on the painter that render() drew `sheet` on; false when the SVG cannot be read.
bool renderFigure(QPainter& painter, const format::SheetLines& sheet, const SheetFigure& figure);

// The sheets as one PDF on the report's road (report::finishedPdf), the figure on its sheet.
QByteArray figurePdf(std::span<const format::SheetLines> sheets, const SheetFigure& figure, const QString& title);

} // namespace report
