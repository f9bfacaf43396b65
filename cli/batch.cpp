#include "cli/batch.h"

#include "cli/batchinput.h"
#include "cli/batchpour.h"
#include "cli/batchwriter.h"
#include "cli/csvreader.h"
#include "cli/exitstatus.h"
#include "cli/printable.h"
#include "engine/calculate.h"
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

struct Columns {
    std::array<size_t, ColumnCount> design{};
    PourColumnPlaces pour{};
    PriceColumnPlaces prices{};
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
        const auto pour = std::find(kPourColumns.begin(), kPourColumns.end(), name);
        const auto price = std::find(kPriceColumns.begin(), kPriceColumns.end(), name);
        if (pour != kPourColumns.end() || price != kPriceColumns.end()) {
            auto& place = pour != kPourColumns.end() ? found.pour[size_t(pour - kPourColumns.begin())]
                                                     : found.prices[size_t(price - kPriceColumns.begin())];
            if (place)
                return "line 1: column '" + name + "' given twice";
            place = i;
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

const mix::FinalMix& finalOf(const mix::CalcResult& result) { return result.numbers.final; }
const mix::FinalMix& finalOf(const mix::DesignNumbers& numbers) { return numbers.final; }

// One row's outcome into the output; 1 when the row was not designed. The CSV needs the
// numbers alone, so it skips the fifty result texts a design would otherwise format.
template <typename Design>
long designRow(const BatchWriter& writer, std::string& buffer, long line, const mix::MixInputs& inputs,
               const std::optional<mix::PourSettings>& pour, const mix::PourPrices& prices,
               const std::variant<Design, mix::CalcError>& outcome)
{
    if (const auto* error = std::get_if<mix::CalcError>(&outcome)) {
        writer.refused(buffer, inputs, *error);
        return 1;
    }
    const Design& design = std::get<Design>(outcome);
    std::optional<mix::PourPlan> plan;
    if (pour) {
        auto planned = mix::planPour(finalOf(design), *pour);
        if (const auto* bad = std::get_if<mix::PourFieldError>(&planned)) {
            writer.malformed(buffer, line,
                             "line " + std::to_string(line) + ": " + std::string(kPourColumns[size_t(bad->field)]) +
                                 ": " + bad->message);
            return 1;
        }
        plan = std::get<mix::PourPlan>(std::move(planned));
        const auto cost = prices.any() ? mix::costPour(*plan, prices) : mix::PourCost{};
        if (const auto* bad = std::get_if<mix::PriceFieldError>(&cost)) {
            writer.malformed(buffer, line,
                             "line " + std::to_string(line) + ": " + std::string(priceColumn(bad->field)) + ": " +
                                 bad->message);
            return 1;
        }
    }
    writer.designed(buffer, inputs, design, plan ? &*plan : nullptr, plan && prices.any() ? &prices : nullptr);
    return 0;
}

} // namespace

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const Options& options, std::string_view inputName)
{
    CsvReader reader(in);
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

    const bool priced = std::any_of(at.prices.begin(), at.prices.end(), [](const auto& p) { return p.has_value(); });
    const BatchWriter writer(options.batchFormat, options.bom, at.pour[0].has_value(), at.pour[0] && priced);
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
        if (!reader.fault().empty())
            inputs = std::string(reader.fault());
        else if (reader.fieldCount() != at.count)
            inputs = std::to_string(reader.fieldCount()) + " fields where the header has " + std::to_string(at.count);
        else
            inputs = inputsOf(row, at.design);
        std::optional<mix::PourSettings> pour;
        mix::PourPrices prices;
        if (std::holds_alternative<mix::MixInputs>(inputs)) {
            auto read = pourOf(row, at.pour);
            if (auto* why = std::get_if<std::string>(&read))
                inputs = std::move(*why);
            else
                pour = std::get<std::optional<mix::PourSettings>>(read);
        }
        if (pour && std::holds_alternative<mix::MixInputs>(inputs)) {
            auto read = pricesOf(row, at.prices);
            if (auto* why = std::get_if<std::string>(&read))
                inputs = std::move(*why);
            else
                prices = std::get<mix::PourPrices>(read);
        }

        if (const auto* why = std::get_if<std::string>(&inputs)) {
            ++notDesigned;
            writer.malformed(buffer, reader.line(), where + *why);
        } else {
            const auto& mixInputs = std::get<mix::MixInputs>(inputs);
            const long line = reader.line();
            notDesigned +=
                writer.needsTexts()
                    ? designRow(writer, buffer, line, mixInputs, pour, prices, mix::calculate(mixInputs))
                    : designRow(writer, buffer, line, mixInputs, pour, prices, mix::computeDesign(mixInputs));
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
