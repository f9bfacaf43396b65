#pragma once

#include "format/sheetlines.h"

#include <QByteArray>
#include <QPointF>
#include <QString>

#include <span>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QPaintDevice;

namespace report {

struct SheetFigure;

// Draws one sheet on any painter (printer, PDF, preview, image): each line once, unwrapped,
// at its twip position from the top-left of the painter's device, the whole sheet scaled down
// when its widest line would not fit the device's width. A non-empty `link` (the design's
// address on the phone page) is drawn as a QR code in the sheet's free margin.
void render(QPainter& painter, const format::SheetLines& sheet, const QByteArray& link = {});

// Where render() puts each line's baseline on `device`, in its units, the scaling included.
std::vector<QPointF> baselines(QPaintDevice* device, const format::SheetLines& sheet);

// Draws `sheets` one to a page of `device`, which `painter` is painting on: the one drawing
// behind the PDF and the print preview; the first sheet carries `link` as a QR code, and the
// figure's sheet its drawing (report/figure.h). False when the device cannot start a new page
// or the figure cannot be read.
bool renderSheets(QPainter& painter, QPagedPaintDevice& device, std::span<const format::SheetLines> sheets,
                  const QByteArray& link = {}, const SheetFigure* figure = nullptr);

// How much render() scales `sheet` down to fit `device`: 1 when it fits as laid out.
qreal sheetScale(QPaintDevice* device, const format::SheetLines& sheet);

// Whether the report's face has every Thai letter of `sheets`; checked before any is drawn.
bool fontCoversSheets(std::span<const format::SheetLines> sheets);

// A line's text as the painter takes it.
inline QString lineText(const format::SheetLine& line) { return QString::fromStdString(line.text); }

} // namespace report
