#pragma once

#include "format/sheetlines.h"
#include "report/line.h"

namespace report {

// The format layer's lines of a sheet as the painter draws them.
Sheet toSheet(const format::SheetLines& lines);

// Every sheet of the report of one accepted design, in printing order; with a pour plan the
// material order follows as a third sheet.
std::vector<Sheet> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan = nullptr);

} // namespace report
