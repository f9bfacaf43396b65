#pragma once

#include <string>
#include <vector>

namespace mix {
struct CalcResult;
struct Design;
} // namespace mix

namespace format {

// One printed line: drawn as a single run at (x, y) twips from the top-left corner of the
// printable area, which is where its first character's top-left corner goes. UTF-8, so the
// page on the phone prints the same sheets as the window.
struct SheetLine {
    std::string text;
    int x = 0;
    int y = 0;
    bool bold = false;

    bool operator==(const SheetLine&) const = default;
};

// One sheet of paper: one print job, or one page of a PDF or a preview.
using SheetLines = std::vector<SheetLine>;

// A square on a sheet, in twips from the same corner as the lines.
struct SheetSquare {
    int x = 0;
    int y = 0;
    int size = 0;
};

// A box on a sheet for a drawing (a chart), in twips from the same corner as the lines.
struct SheetBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Sheet 1's QR code stands in the blank beside the bold final mix, 1.4 inches square (a link
// with a pour planned still has modules of 0.7 mm, which a phone reads at arm's length), inside
// the area the lines already take, so it never changes how a sheet fits the paper. The window's
// report and the phone page's print both place it here.
inline constexpr SheetSquare kSheet1QrCode{8400, 12300, 2016};

// Sheet 1, the calculation record: always 44 lines.
SheetLines sheet1Lines(const mix::CalcResult& result);
// Sheet 1 of a design: with an exposure class chosen, the class and the verdict follow the 44
// lines (46 when the design meets it, 47 with the least strength when it does not).
SheetLines sheet1Lines(const mix::Design& design);

// Sheet 2, the batch for one bag of cement: always 10 lines.
SheetLines sheet2Lines(const mix::CalcResult& result);

// Sheet 3, the material order of a pour: the planner's entries, what to order for the whole
// pour, and what goes into one mixer batch; with prices, what the order costs.
// Empty when the design plans no pour.
SheetLines orderSheetLines(const mix::Design& design);

// Every sheet of the report of an accepted design, in printing order; with a pour plan the
// material order follows as a third sheet, with what it costs when prices are given.
std::vector<SheetLines> reportSheets(const mix::Design& design);

// The title a filed PDF of the report carries: the heading of sheet 1 and the strength wanted.
std::string reportTitle(const mix::CalcResult& result);

// The concrete one bag yields, in cubic metres, as sheet 2 prints it.
std::string yieldText(float mcement);

} // namespace format
