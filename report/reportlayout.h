#pragma once

#include "report/reportline.h"

namespace mix {
struct CalcResult;
struct PourPlan;
struct PourPrices;
} // namespace mix

namespace report {

// Sheet 1, the calculation record: always 44 lines.
Sheet sheet1Lines(const mix::CalcResult& result);

// Sheet 2, the batch for one bag of cement: always 10 lines.
Sheet sheet2Lines(const mix::CalcResult& result);

// Every sheet of the report of one accepted design, in printing order; with a pour plan the
// material order follows as a third sheet, with what it costs when prices are given.
std::vector<Sheet> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan = nullptr,
                                const mix::PourPrices* prices = nullptr);

// The concrete one bag yields, in cubic metres, as sheet 2 prints it.
QString yieldText(float mcement);

} // namespace report
