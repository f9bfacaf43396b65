#pragma once

#include "report/line.h"

#include <QByteArray>

#include <span>

class QIODevice;

namespace report {

// The sheets as one PDF, one upright A4 page each, drawn exactly as they are printed, the first
// with `link` as a QR code when it is given.
// False when the device cannot be written.
bool writeReportPdf(QIODevice* device, std::span<const Sheet> sheets, const QByteArray& link = {});

// The whole PDF in memory, so that a file is only touched once the document is complete;
// empty if it could not be made.
QByteArray reportPdf(std::span<const Sheet> sheets, const QByteArray& link = {});

} // namespace report
