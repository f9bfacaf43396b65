#pragma once

#include "engine/acceptance.h"

#include <istream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace format {

// The lab's results sheet, read alike by every front end: a header naming `sample` and
// `strength` (kg/cm², one specimen a row), optionally `age_days` (28 when absent or empty) and
// `date`, in any order and case; other columns are left alone. Rows with every cell blank are
// skipped.

enum class SheetFault {
    Empty, // not even a header
    NoSampleColumn,
    NoStrengthColumn,
    ColumnTwice,
    Unreadable,   // a quote left open, a stray CR, a field past 1 MiB
    TooManyCells, // more cells than the header names: a comma in a sample, unquoted
    NoSample,
    BadStrength,      // not a positive number
    BadAge,           // not a positive number
    NoTwentyEightDay, // nothing to judge
};

// Why a sheet is not judged; nothing of it is. `detail` is the column or the cell at fault, as
// the user wrote it.
struct SheetError {
    long line = 0;
    SheetFault fault = SheetFault::Empty;
    std::string detail;

    std::string english() const; // "line 4: strength 'abc' is not a positive number"
    std::string thai() const; // "บรรทัด 4: กำลังอัด 'abc' ไม่ใช่ตัวเลขที่มากกว่าศูนย์"
};

using SheetRead = std::variant<std::vector<mix::StrengthRow>, SheetError>;

// A CSV sheet as spreadsheets write it (format/csvreader.h), lines counted from the header's 1.
SheetRead readResultsSheet(std::istream& in);
// A table already in cells (the window's, the page's): the first row is the header, and row i
// is line i + 1, as it would be in the CSV.
SheetRead readResultsTable(const std::vector<std::vector<std::string>>& table);

// The rows as a sheet this reader reads back the same: sample, strength, age_days, date, with
// CRLF ends; a cell a spreadsheet would run as a formula is kept as text behind an apostrophe,
// which the reader takes off again.
std::string resultsSheetCsv(const std::vector<mix::StrengthRow>& rows);
// A cell as typed, from one the writer guarded behind an apostrophe.
std::string unguardedCell(std::string_view cell);

} // namespace format
