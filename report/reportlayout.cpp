#include "report/reportlayout.h"

#include "report/ordersheet.h"
#include "report/sheettext.h"
#include "report/utf8text.h"

namespace report {

namespace {

Sheet toSheet(const SheetText& text)
{
    Sheet lines;
    lines.reserve(text.size());
    for (const SheetLine& line : text)
        lines.push_back({fromUtf8(line.text), line.x, line.y, line.bold});
    return lines;
}

} // namespace

QString yieldText(float mcement) { return QString::fromStdString(yieldOfOneBagText(mcement)); }

Sheet sheet1Lines(const mix::CalcResult& result) { return toSheet(sheet1Text(result)); }

Sheet sheet2Lines(const mix::CalcResult& result) { return toSheet(sheet2Text(result)); }

Sheet orderSheetLines(const mix::PourPlan& plan) { return toSheet(orderSheetText(plan)); }

std::vector<Sheet> reportSheets(const mix::CalcResult& result, const mix::PourPlan* plan)
{
    std::vector<Sheet> sheets;
    for (const SheetText& sheet : reportSheetsText(result, plan))
        sheets.push_back(toSheet(sheet));
    return sheets;
}

} // namespace report
