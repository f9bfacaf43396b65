#include "format/resultsheet.h"

#include "engine/numbers.h"
#include "engine/texts/acceptancewords.h"
#include "format/csvreader.h"
#include "format/csvrows.h"
#include "format/numbertext.h"

#include <array>
#include <cmath>
#include <optional>

namespace format {
namespace {

enum Column { Sample, Strength, Age, Date, ColumnCount };
constexpr std::array<std::string_view, ColumnCount> kColumns{"sample", "strength", "age_days", "date"};

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string lowered(std::string_view s)
{
    std::string out(trimmed(s));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::optional<double> positive(std::string_view cell)
{
    const auto value = mix::parseNumber(trimmed(cell));
    if (!value || !std::isfinite(*value) || *value <= 0)
        return std::nullopt;
    return value;
}

using Places = std::array<std::optional<size_t>, ColumnCount>;

class Rows {
public:
    // Where each column is, or why the header is not a results sheet's.
    std::optional<SheetError> header(const std::vector<std::string>& names)
    {
        m_columns = names.size();
        for (size_t i = 0; i < names.size(); ++i) {
            const std::string name = lowered(names[i]);
            for (size_t c = 0; c < ColumnCount; ++c) {
                if (kColumns[c] != name)
                    continue;
                if (m_at[c])
                    return SheetError{1, SheetFault::ColumnTwice, name};
                m_at[c] = i;
            }
        }
        if (!m_at[Sample])
            return SheetError{1, SheetFault::NoSampleColumn, "sample"};
        if (!m_at[Strength])
            return SheetError{1, SheetFault::NoStrengthColumn, "strength"};
        return std::nullopt;
    }

    std::optional<SheetError> row(const std::vector<std::string>& cells, size_t cellCount, long line)
    {
        m_lastLine = line;
        bool blank = true;
        for (const std::string& cell : cells)
            blank = blank && trimmed(cell).empty();
        if (blank)
            return std::nullopt;
        if (cellCount > m_columns)
            return SheetError{line, SheetFault::TooManyCells, {}};
        const auto cell = [&](Column c) -> std::string_view {
            return m_at[c] && *m_at[c] < cells.size() ? std::string_view(cells[*m_at[c]]) : std::string_view();
        };
        mix::StrengthRow row;
        row.line = line;
        row.sample = unguardedCell(trimmed(cell(Sample)));
        if (row.sample.empty())
            return SheetError{line, SheetFault::NoSample, {}};
        const auto strength = positive(cell(Strength));
        if (!strength)
            return SheetError{line, SheetFault::BadStrength, std::string(cell(Strength))};
        row.strengthKsc = *strength;
        if (!trimmed(cell(Age)).empty()) {
            const auto age = positive(cell(Age));
            if (!age)
                return SheetError{line, SheetFault::BadAge, std::string(cell(Age))};
            row.ageDays = *age;
        }
        row.date = unguardedCell(trimmed(cell(Date)));
        m_rows.push_back(std::move(row));
        return std::nullopt;
    }

    SheetRead finish()
    {
        for (const mix::StrengthRow& row : m_rows)
            if (row.ageDays == 28)
                return std::move(m_rows);
        return SheetError{m_lastLine, SheetFault::NoTwentyEightDay, {}};
    }

private:
    Places m_at;
    size_t m_columns = 0;
    long m_lastLine = 1;
    std::vector<mix::StrengthRow> m_rows;
};

std::string quoted(const std::string& detail) { return "'" + detail + "'"; }

} // namespace

std::string SheetError::english() const
{
    std::string reason;
    switch (fault) {
    case SheetFault::Empty:
        reason = "the sheet is empty";
        break;
    case SheetFault::NoSampleColumn:
    case SheetFault::NoStrengthColumn:
        reason = "no column " + quoted(detail);
        break;
    case SheetFault::ColumnTwice:
        reason = "column " + quoted(detail) + " given twice";
        break;
    case SheetFault::Unreadable:
        reason = detail;
        break;
    case SheetFault::TooManyCells:
        reason = "more cells than the header has columns";
        break;
    case SheetFault::NoSample:
        reason = "no sample";
        break;
    case SheetFault::BadStrength:
        reason = "strength " + quoted(detail) + " is not a positive number";
        break;
    case SheetFault::BadAge:
        reason = "age_days " + quoted(detail) + " is not a positive number";
        break;
    case SheetFault::NoTwentyEightDay:
        reason = "the sheet ends without a 28-day test";
        break;
    }
    return "line " + std::to_string(line) + ": " + reason;
}

std::string SheetError::thai() const
{
    using namespace mix::acceptancewords;
    std::string reason;
    switch (fault) {
    case SheetFault::Empty:
        reason = kSheetEmpty;
        break;
    case SheetFault::NoSampleColumn:
        reason.append(kNoColumn).append(quoted(detail)).append(kSampleColumn);
        break;
    case SheetFault::NoStrengthColumn:
        reason.append(kNoColumn).append(quoted(detail)).append(kStrengthColumn);
        break;
    case SheetFault::ColumnTwice:
        reason.append(kColumnTwice).append(quoted(detail));
        break;
    case SheetFault::Unreadable:
        reason = kUnreadable;
        break;
    case SheetFault::TooManyCells:
        reason = kTooManyCells;
        break;
    case SheetFault::NoSample:
        reason = kNoSample;
        break;
    case SheetFault::BadStrength:
        reason.append(kBadStrength1).append(quoted(detail)).append(kNotPositive);
        break;
    case SheetFault::BadAge:
        reason.append(kBadAge1).append(quoted(detail)).append(kNotPositive);
        break;
    case SheetFault::NoTwentyEightDay:
        reason = kNoTwentyEightDay;
        break;
    }
    return std::string(kLine) + std::to_string(line) + ": " + reason;
}

SheetRead readResultsSheet(std::istream& in)
{
    CsvReader reader(in);
    std::vector<std::string> fields;
    if (!reader.readHeader(fields))
        return SheetError{1, SheetFault::Empty, {}};
    if (!reader.fault().empty())
        return SheetError{1, SheetFault::Unreadable, std::string(reader.fault())};
    Rows rows;
    if (auto bad = rows.header(fields))
        return *bad;
    while (reader.next(fields)) {
        if (!reader.fault().empty())
            return SheetError{reader.line(), SheetFault::Unreadable, std::string(reader.fault())};
        if (auto bad = rows.row(fields, reader.fieldCount(), reader.line()))
            return *bad;
    }
    return rows.finish();
}

SheetRead readResultsTable(const std::vector<std::vector<std::string>>& table)
{
    if (table.empty())
        return SheetError{1, SheetFault::Empty, {}};
    Rows rows;
    if (auto bad = rows.header(table.front()))
        return *bad;
    for (size_t i = 1; i < table.size(); ++i)
        if (auto bad = rows.row(table[i], table[i].size(), long(i + 1)))
            return *bad;
    return rows.finish();
}

// What the writer put behind an apostrophe so a spreadsheet would not run it comes back as typed.
std::string unguardedCell(std::string_view cell)
{
    if (cell.size() >= 2 && cell[0] == '\'' && std::string_view("=+-@\t\r").find(cell[1]) != std::string_view::npos)
        cell.remove_prefix(1);
    return std::string(cell);
}

std::string resultsSheetCsv(const std::vector<mix::StrengthRow>& rows)
{
    std::string out = "sample,strength,age_days,date\r\n";
    for (const mix::StrengthRow& row : rows) {
        appendCsvField(out, row.sample);
        out.append(",").append(numberText(row.strengthKsc)).append(",").append(numberText(row.ageDays)).append(",");
        appendCsvField(out, row.date);
        out += "\r\n";
    }
    return out;
}

} // namespace format
