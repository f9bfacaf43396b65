#include "report/sheets.h"

namespace report {

Sheet toSheet(const format::SheetLines& lines)
{
    Sheet sheet;
    sheet.reserve(lines.size());
    for (const format::SheetLine& line : lines)
        sheet.push_back({QString::fromStdString(line.text), line.x, line.y, line.bold});
    return sheet;
}

std::vector<Sheet> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan)
{
    std::vector<Sheet> sheets;
    for (const format::SheetLines& lines : format::reportSheets(result, plan))
        sheets.push_back(toSheet(lines));
    return sheets;
}

} // namespace report
