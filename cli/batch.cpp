#include "cli/batch.h"

#include "cli/batchinput.h"
#include "cli/batchpour.h"
#include "cli/batchwriter.h"
#include "cli/exitstatus.h"
#include "cli/printable.h"
#include "engine/design.h"
#include "format/csvreader.h"
#include "format/inputnames.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace cli {
namespace {

using namespace exitstatus;
constexpr size_t kFlushBytes = 1 << 16;

enum Column { Strength, Specimen, Slump, Stone, Admixture, Dose, Moisture, ColumnCount };
constexpr std::array<std::string_view, ColumnCount> kColumns{"strength",  "specimen", "slump",   "stone",
                                                             "admixture", "dose",     "moisture"};

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Spreadsheets capitalise and pad what they show; the choices are compared without either.
std::string choice(std::string_view field)
{
    std::string s(trimmed(field));
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The exposure class is optional: without its column no row is judged against one.
constexpr std::string_view kExposureColumn = "exposure";

struct Columns {
    std::array<size_t, ColumnCount> design{};
    EntryColumnPlaces entries{};
    std::optional<size_t> exposure;
    size_t count = 0;
};

// Where each column sits in a row, or why the header is not ours.
std::variant<Columns, std::string> columnsOf(const std::vector<std::string>& header)
{
    std::array<std::optional<size_t>, ColumnCount> at;
    Columns found;
    found.count = header.size();
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string name = choice(header[i]);
        if (const auto entry = mix::entryByKey(name)) {
            auto& place = found.entries[size_t(*entry)];
            if (place)
                return "line 1: column '" + name + "' given twice";
            place = i;
            continue;
        }
        if (name == kExposureColumn) {
            if (found.exposure)
                return "line 1: column '" + name + "' given twice";
            found.exposure = i;
            continue;
        }
        size_t c = 0;
        while (c < ColumnCount && kColumns[c] != name)
            ++c;
        if (c == ColumnCount)
            return "line 1: unknown column '" + printable(header[i]) + "'";
        if (at[c])
            return "line 1: column '" + name + "' given twice";
        at[c] = i;
    }
    for (size_t c = 0; c < ColumnCount; ++c) {
        if (!at[c])
            return "line 1: no column '" + std::string(kColumns[c]) + "'";
        found.design[c] = *at[c];
    }
    return found;
}

// The row as the window's controls, or what is wrong with it.
std::variant<mix::MixInputs, std::string> inputsOf(const std::vector<std::string>& row,
                                                   const std::array<size_t, ColumnCount>& at)
{
    const auto& field = [&](Column c) -> const std::string& { return row[at[c]]; };
    mix::MixInputs in;
    in.strengthText = field(Strength);
    in.doseText = field(Dose);
    in.moistureText = field(Moisture);
    if (!format::setSpecimen(in, choice(field(Specimen))))
        return "specimen must be cube, cylinder or empty, not '" + printable(field(Specimen)) + "'";
    if (!format::setSlump(in, choice(field(Slump))))
        return "slump must be 7.5, 10, 10.0, 12.5 or empty, not '" + printable(field(Slump)) + "'";
    if (!format::setStone(in, choice(field(Stone))))
        return "stone must be 1, 2 or empty, not '" + printable(field(Stone)) + "'";
    if (!format::setAdmixture(in, choice(field(Admixture))))
        return "admixture must be yes, no or empty, not '" + printable(field(Admixture)) + "'";
    return in;
}

// The row's exposure class, an empty cell being none, or what is wrong with it.
std::variant<mix::Exposure, std::string> exposureOf(const std::vector<std::string>& row, std::optional<size_t> at)
{
    if (!at)
        return mix::Exposure::None;
    const std::string_view cell = trimmed(row[*at]);
    if (cell.empty())
        return mix::Exposure::None;
    if (const auto exposure = mix::exposureByCode(cell))
        return *exposure;
    return "exposure must be one of " + mix::exposureCodeList() + " or empty, not '" + printable(row[*at]) + "'";
}

// The errno once the output refuses bytes (a full disk, a closed pipe, a file-size limit), else
// 0: the rows after it would be lost too, so the batch stops there.
int flush(std::string& buffer, std::ostream& out)
{
    errno = 0;
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    buffer.clear();
    if (out)
        return 0;
    return errno != 0 ? errno : EIO;
}

int cannotRead(std::ostream& err, std::string_view inputName, int error)
{
    err << "mixdesign: cannot read " << inputName << ": " << std::strerror(error) << "\n";
    return kIoError;
}

int cannotWrite(std::ostream& err, int error)
{
    err << "mixdesign: cannot write the output: " << std::strerror(error) << "\n";
    return kIoError;
}

// One row's design into the output; 1 when the row was not designed. A bad entry makes the row
// malformed whether or not its design is accepted, as does a figure of its pour too large to show.
long designRow(const BatchWriter& writer, std::string& buffer, long line, const mix::Design& design)
{
    if (!design.entryErrors.empty()) {
        writer.malformed(buffer, line,
                         "line " + std::to_string(line) + ": " +
                             entryColumnMessage(design.entryErrors.front(), design.entries.pour));
        return 1;
    }
    if (design.refusal) {
        writer.refused(buffer, design.inputs(), *design.refusal);
        return 1;
    }
    writer.designed(buffer, design);
    return 0;
}

} // namespace

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const Options& options, std::string_view inputName)
{
    format::CsvReader reader(in);
    std::vector<std::string> row;
    bool header = false;
    try {
        header = reader.readHeader(row);
    } catch (const ReadError& failed) {
        return cannotRead(err, inputName, failed.error);
    }
    if (!header) {
        err << "mixdesign: the batch input is empty; its first line must name the columns\n";
        return kDataError;
    }
    const auto columns = columnsOf(row);
    if (const auto* why = std::get_if<std::string>(&columns)) {
        err << "mixdesign: " << *why << "\n";
        return kDataError;
    }
    const Columns& at = std::get<Columns>(columns);

    const bool volume = at.entries[size_t(mix::Entry::Volume)].has_value();
    const bool priced = std::any_of(at.entries.begin() + mix::kPourEntryCount, at.entries.end(),
                                    [](const auto& p) { return p.has_value(); });
    const BatchWriter writer(options.batchFormat, options.bom, volume, volume && priced, at.exposure.has_value());
    const mix::DesignTexts texts = writer.needsTexts() ? mix::DesignTexts::All : mix::DesignTexts::NumbersOnly;
    std::string buffer;
    buffer.reserve(2 * kFlushBytes);
    writer.begin(buffer);
    long rows = 0;
    long notDesigned = 0;
    int readError = 0;
    for (;;) {
        try {
            if (!reader.next(row))
                break;
        } catch (const ReadError& failed) {
            // The row in flight may be cut anywhere: it is neither designed nor counted.
            readError = failed.error;
            break;
        }
        ++rows;
        const std::string where = "line " + std::to_string(reader.line()) + ": ";
        std::variant<mix::MixInputs, std::string> inputs = std::string();
        std::variant<mix::Exposure, std::string> exposure = mix::Exposure::None;
        if (!reader.fault().empty())
            inputs = std::string(reader.fault());
        else if (reader.fieldCount() != at.count)
            inputs = std::to_string(reader.fieldCount()) + " fields where the header has " + std::to_string(at.count);
        else {
            inputs = inputsOf(row, at.design);
            if (std::holds_alternative<mix::MixInputs>(inputs)) {
                exposure = exposureOf(row, at.exposure);
                if (const auto* why = std::get_if<std::string>(&exposure))
                    inputs = *why;
            }
        }
        if (const auto* why = std::get_if<std::string>(&inputs)) {
            ++notDesigned;
            writer.malformed(buffer, reader.line(), where + *why);
        } else {
            const mix::Entries entries{std::get<mix::MixInputs>(std::move(inputs)), entryTextsOf(row, at.entries),
                                       std::get<mix::Exposure>(exposure)};
            notDesigned += designRow(writer, buffer, reader.line(), mix::designOf(entries, texts));
        }
        if (buffer.size() >= kFlushBytes)
            if (const int error = flush(buffer, out); error != 0)
                return cannotWrite(err, error);
    }
    if (const int error = flush(buffer, out); error != 0)
        return cannotWrite(err, error);
    if (notDesigned != 0)
        err << "mixdesign: " << notDesigned << " of " << rows << " rows not designed\n";
    if (readError != 0)
        return cannotRead(err, inputName, readError);
    return notDesigned == 0 ? kOk : kRefused;
}

} // namespace cli
