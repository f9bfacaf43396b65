#pragma once

#include "report/line.h"

#include <QByteArray>

#include <span>

class QIODevice;

namespace report {

// The sheets as one PDF, one upright A4 page each, drawn exactly as they are printed.
// False when the device cannot be written.
bool writeReportPdf(QIODevice* device, std::span<const Sheet> sheets);

// The whole PDF in memory, so that a file is only touched once the document is complete;
// empty if it could not be made.
QByteArray reportPdf(std::span<const Sheet> sheets);

} // namespace report
