#include "report/sheets.h"

#include "engine/calcresult.h"
#include "engine/version.h"
#include "format/designlink.h"

namespace report {

Sheet toSheet(const format::SheetLines& lines)
{
    Sheet sheet;
    sheet.reserve(lines.size());
    for (const format::SheetLine& line : lines)
        sheet.push_back({QString::fromStdString(line.text), line.x, line.y, line.bold});
    return sheet;
}

std::vector<Sheet> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan, const mix::PourPrices* prices)
{
    std::vector<Sheet> sheets;
    for (const format::SheetLines& lines : format::reportSheets(result, plan, prices))
        sheets.push_back(toSheet(lines));
    return sheets;
}

QByteArray sheetLink(const mix::CalcResult& result, const mix::PourPlan* plan, std::string_view address)
{
    return QByteArray::fromStdString(format::designLink(address, result.inputs, plan ? &plan->settings : nullptr));
}

QByteArray sheetLink(const mix::CalcResult& result, const mix::PourPlan* plan)
{
    return sheetLink(result, plan, mix::kPageAddress);
}

} // namespace report
