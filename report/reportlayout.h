#pragma once

#include "report/reportline.h"

namespace mix {
struct CalcResult;
struct PourPlan;
} // namespace mix

namespace report {

// Sheet 1, the calculation record: always 44 lines.
Sheet sheet1Lines(const mix::CalcResult& result);

// Sheet 2, the batch for one bag of cement: always 10 lines.
Sheet sheet2Lines(const mix::CalcResult& result);

// Every sheet of the report of one accepted design, in printing order; with a pour plan the
// material order follows as a third sheet.
std::vector<Sheet> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan = nullptr);

// The title a filed PDF of the report carries: the heading of sheet 1 and the strength wanted.
QString reportTitle(const mix::CalcResult& result);

// The concrete one bag yields, in cubic metres, as sheet 2 prints it.
QString yieldText(float mcement);

} // namespace report
