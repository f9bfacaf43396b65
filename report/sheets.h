#pragma once

#include "format/sheetlines.h"
#include "report/line.h"

#include <QByteArray>

#include <string_view>

namespace report {

// The format layer's lines of a sheet as the painter draws them.
Sheet toSheet(const format::SheetLines& lines);

// Every sheet of the report of one accepted design, in printing order; with a pour plan the
// material order follows as a third sheet, with what it costs when prices are given.
std::vector<Sheet> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan = nullptr,
                                const mix::PourPrices* prices = nullptr);

// The link sheet 1 carries as a QR code: the design on the phone page published at `address`
// (by default the address this build was given, which may be none: then no code is printed).
QByteArray sheetLink(const mix::CalcResult& result, const mix::PourPlan* plan, std::string_view address);
QByteArray sheetLink(const mix::CalcResult& result, const mix::PourPlan* plan);

} // namespace report
