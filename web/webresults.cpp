#include "web/webresults.h"

#include "engine/acceptance.h"
#include "engine/numbers.h"
#include "engine/texts/acceptancetexts.h"
#include "format/acceptancechart.h"
#include "format/acceptancejson.h"
#include "format/acceptancesheet.h"
#include "format/csvreader.h"
#include "format/csvrows.h"
#include "format/jsonwriter.h"
#include "format/resultsheet.h"
#include "web/entryrecord.h"
#include "web/webapi.h"

#include <cmath>
#include <sstream>
#include <vector>

namespace web {
namespace {

struct Row {
    long line = 0;
    std::vector<std::string> cells;
};

struct Sheet {
    std::vector<std::string> header;
    std::vector<Row> rows;
};

std::vector<std::string> split(std::string_view line, char separator)
{
    std::vector<std::string> cells;
    for (std::size_t at = 0;;) {
        const std::size_t next = line.find(separator, at);
        cells.emplace_back(line.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
        if (next == std::string_view::npos)
            return cells;
        at = next + 1;
    }
}

// A spreadsheet's copy: tab-separated lines, none quoted; the header is line 1.
Sheet tabbedSheet(const std::string& text)
{
    Sheet sheet;
    std::istringstream in(text);
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1)
            sheet.header = split(line, '\t');
        else
            sheet.rows.push_back({number, split(line, '\t')});
    }
    return sheet;
}

Sheet csvSheet(const std::string& text)
{
    Sheet sheet;
    std::istringstream in(text);
    format::CsvReader reader(in);
    if (!reader.readHeader(sheet.header))
        return sheet;
    std::vector<std::string> cells;
    while (reader.next(cells) && reader.fault().empty()) {
        for (std::string& cell : cells)
            cell = format::unguardedCell(cell);
        sheet.rows.push_back({reader.line(), cells});
    }
    return sheet;
}

std::string textArray(const std::vector<std::string>& texts)
{
    std::string out = "[";
    for (const std::string& text : texts) {
        if (out.size() > 1)
            out += ',';
        format::appendJsonString(out, text);
    }
    return out + ']';
}

void appendTexts(format::JsonWriter& o, const mix::Acceptance& acceptance)
{
    const mix::AcceptanceText t = mix::acceptanceText(acceptance);
    o.begin("texts").text("title", t.title).text("specified", t.specified).text("statistics", t.statistics);
    o.text("aci_heading", t.aciHeading).raw("aci", textArray(t.aci)).text("en_heading", t.enHeading);
    o.raw("en", textArray(t.en)).text("required", t.required).text("required_basis", t.requiredBasis);
    o.raw("margin_advice", textArray(t.marginAdvice)).end();
}

} // namespace

std::string resultsJson(std::string_view recordJson)
{
    const EntryRecord record = readEntryRecord(recordJson);
    const std::string& text = record.sheet;
    const std::string firstLine = text.substr(0, text.find('\n'));
    const bool tabbed = firstLine.find('\t') != std::string::npos;
    const Sheet sheet = tabbed ? tabbedSheet(text) : csvSheet(text);

    format::SheetRead read;
    if (tabbed) {
        std::vector<std::vector<std::string>> table{sheet.header};
        // Row i of the table is line i + 1: blank lines keep their places.
        for (const Row& row : sheet.rows) {
            while (long(table.size()) < row.line - 1)
                table.emplace_back();
            table.push_back(row.cells);
        }
        read = format::readResultsTable(table);
    } else {
        std::istringstream in(text);
        read = format::readResultsSheet(in);
    }

    std::string out;
    format::JsonWriter o(out);
    o.begin().raw("header", textArray(sheet.header));
    std::string csv;
    for (std::size_t c = 0; c < sheet.header.size(); ++c) {
        if (c)
            csv += ',';
        format::appendCsvField(csv, sheet.header[c]);
    }
    csv += "\r\n";

    const mix::MixInputs& design = record.entries.design;
    const auto specified = mix::parseNumber(design.strengthText);
    const bool specimenGiven = design.cubeChecked || design.cylinderChecked;
    const auto* rows = std::get_if<std::vector<mix::StrengthRow>>(&read);
    std::optional<mix::Acceptance> acceptance;
    if (rows && specified && std::isfinite(*specified) && *specified > 0 && specimenGiven)
        acceptance = mix::judgeResults(*specified,
                                       design.cylinderChecked ? mix::Specimen::Cylinder : mix::Specimen::Cube, *rows);

    std::string rowsJson = "[";
    for (const Row& row : sheet.rows) {
        if (rowsJson.size() > 1)
            rowsJson += ',';
        format::JsonWriter r(rowsJson);
        r.begin().number("line", double(row.line)).raw("cells", textArray(row.cells));
        if (acceptance)
            for (const mix::StrengthRow& judged : *rows)
                if (judged.line == row.line && judged.ageDays == 28)
                    for (std::size_t t = 0; t < acceptance->tests.size(); ++t)
                        if (acceptance->tests[t].sample == judged.sample)
                            r.number("test", double(t));
        r.end();
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            if (c)
                csv += ',';
            format::appendCsvField(csv, row.cells[c]);
        }
        csv += "\r\n";
    }
    o.raw("rows", rowsJson + ']').text("csv", csv);

    if (const auto* bad = std::get_if<format::SheetError>(&read)) {
        o.begin("error").number("line", double(bad->line)).text("thai", bad->thai()).text("english", bad->english());
        o.end();
    } else if (!acceptance) {
        o.raw("needs_design", "true");
    } else {
        format::appendAcceptance(o, *acceptance);
        appendTexts(o, *acceptance);
        o.raw("sheets", sheetsJson(format::acceptanceSheets(*acceptance, record.date)));
        o.text("chart", format::acceptanceChartSvg(*acceptance));
        const format::SheetBox& box = format::kAcceptanceChart;
        o.begin("figure").number("x", box.x).number("y", box.y).number("width", box.width);
        o.number("height", box.height).end();
    }
    o.end();
    return out;
}

} // namespace web

const char* mixdesign_results(const char* record)
{
    static std::string last;
    last = web::resultsJson(record);
    return last.c_str();
}
