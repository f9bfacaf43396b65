#pragma once

// The report's lines as UTF-8 text at their places, with nothing of Qt: the desktop's report
// turns them into QString to draw them, the phone page prints them as they are.

#include <string>
#include <vector>

namespace mix {
struct CalcResult;
struct PourPlan;
} // namespace mix

namespace report {

struct SheetLine {
    std::string text;
    int x = 0; // twips from the left of the printable area
    int y = 0; // twips from its top, to the top of the first character
    bool bold = false;

    bool operator==(const SheetLine&) const = default;
};
using SheetText = std::vector<SheetLine>;

SheetText sheet1Text(const mix::CalcResult& result); // always 44 lines
SheetText sheet2Text(const mix::CalcResult& result); // always 10 lines
SheetText orderSheetText(const mix::PourPlan& plan);

// Every sheet of one accepted design in printing order; with a pour plan the order follows.
std::vector<SheetText> reportSheetsText(const mix::CalcResult& result, const mix::PourPlan* plan = nullptr);

// The concrete one bag yields, in cubic metres, as sheet 2 prints it.
std::string yieldOfOneBagText(float mcement);

} // namespace report
