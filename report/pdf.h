#pragma once

#include "report/line.h"

#include <QByteArray>
#include <QString>

#include <span>

namespace report {

// The sheets as one PDF, one upright A4 page each, drawn exactly as they are printed, with
// every line's text readable as drawn, `title` as the document's title and the first sheet
// carrying `link` as a QR code when it is given. The whole PDF is made in memory, so that a file
// is only touched once the document is complete; empty if it could not be made.
QByteArray reportPdf(std::span<const Sheet> sheets, const QString& title = {}, const QByteArray& link = {});

} // namespace report
