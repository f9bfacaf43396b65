#include "format/acceptancechart.h"
#include "format/acceptancejson.h"
#include "format/acceptancesheet.h"
#include "format/resultsheet.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

format::SheetRead fromCsv(const std::string& text)
{
    std::istringstream in(text);
    return format::readResultsSheet(in);
}

// The CSV as the window's or the page's table would hold it: split on commas, no quoting.
std::vector<std::vector<std::string>> cellsOf(const std::string& text)
{
    std::vector<std::vector<std::string>> table;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> row(1);
        for (const char c : line) {
            if (c == ',')
                row.emplace_back();
            else
                row.back().push_back(c);
        }
        table.push_back(row);
    }
    return table;
}

} // namespace

// Every sheet that cannot be judged names its line, in English and in Thai, whether it comes as
// a file or as the table of the window or the page.
TEST(ResultsSheet, BadSheetsNameTheLine)
{
    struct Case {
        std::string csv;
        const char* english;
        const char* thai;
    };
    const Case cases[] = {
        {"", "line 1: the sheet is empty", "บรรทัด 1: ไฟล์ว่าง ไม่มีหัวตาราง"},
        {"name,strength\nA,250\n", "line 1: no column 'sample'", "บรรทัด 1: ไม่มีคอลัมน์ 'sample' (ชื่อตัวอย่าง)"},
        {"Sample,ksc\nA,250\n", "line 1: no column 'strength'", "บรรทัด 1: ไม่มีคอลัมน์ 'strength' (กำลังอัด กก./ตร.ซม.)"},
        {"sample,strength,Strength\nA,250,251\n", "line 1: column 'strength' given twice",
         "บรรทัด 1: มีคอลัมน์ซ้ำ 'strength'"},
        {"sample,strength\nA,250\nB,abc\n", "line 3: strength 'abc' is not a positive number",
         "บรรทัด 3: กำลังอัด 'abc' ไม่ใช่ตัวเลขที่มากกว่าศูนย์"},
        {"sample,strength\nA,0\n", "line 2: strength '0' is not a positive number",
         "บรรทัด 2: กำลังอัด '0' ไม่ใช่ตัวเลขที่มากกว่าศูนย์"},
        {"sample,strength\nA,-250\n", "line 2: strength '-250' is not a positive number",
         "บรรทัด 2: กำลังอัด '-250' ไม่ใช่ตัวเลขที่มากกว่าศูนย์"},
        {"sample,strength\nA,\n", "line 2: strength '' is not a positive number",
         "บรรทัด 2: กำลังอัด '' ไม่ใช่ตัวเลขที่มากกว่าศูนย์"},
        {"sample,strength,age_days\nA,250,seven\n", "line 2: age_days 'seven' is not a positive number",
         "บรรทัด 2: อายุ 'seven' ไม่ใช่ตัวเลขที่มากกว่าศูนย์"},
        {"sample,strength\n,250\n", "line 2: no sample", "บรรทัด 2: ไม่มีชื่อตัวอย่าง"},
        {"sample,strength\nA,250,3\n", "line 2: more cells than the header has columns", "บรรทัด 2: มีช่องมากกว่าหัวตาราง"},
        {"sample,strength,age_days\nA,170,7\nB,180,7\n", "line 3: the sheet ends without a 28-day test",
         "บรรทัด 3: จบไฟล์แล้วไม่มีผลทดสอบอายุ 28 วัน"},
        {"sample,strength\n", "line 1: the sheet ends without a 28-day test", "บรรทัด 1: จบไฟล์แล้วไม่มีผลทดสอบอายุ 28 วัน"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.csv);
        for (const auto& read : {fromCsv(c.csv), format::readResultsTable(cellsOf(c.csv))}) {
            const auto* bad = std::get_if<format::SheetError>(&read);
            ASSERT_NE(bad, nullptr);
            EXPECT_EQ(bad->english(), c.english);
            EXPECT_EQ(bad->thai(), c.thai);
        }
    }
    const auto open = fromCsv("sample,strength\nA,\"250\n");
    ASSERT_TRUE(std::holds_alternative<format::SheetError>(open));
    EXPECT_EQ(std::get<format::SheetError>(open).english(), "line 2: a quoted field is not closed");
}

// What a spreadsheet writes: a byte-order mark, semicolons, columns in any order and case, extra
// columns, padded cells, an empty age (28), blank rows. Written back, the rows read the same.
TEST(ResultsSheet, ReadsWhatSpreadsheetsWriteAndRoundTrips)
{
    const auto read = fromCsv("\xEF\xBB\xBF"
                              "Date; Remarks ;STRENGTH;Age_Days;Sample\r\n"
                              "2025-01-05;ok; 250.5 ;;A-1\r\n"
                              ";;;;\r\n"
                              ";;170;7;\"=B;2\"\r\n");
    ASSERT_TRUE(std::holds_alternative<std::vector<mix::StrengthRow>>(read))
        << std::get<format::SheetError>(read).english();
    const auto& rows = std::get<std::vector<mix::StrengthRow>>(read);
    const std::vector<mix::StrengthRow> expected = {{"A-1", 250.5, 28, "2025-01-05", 2}, {"=B;2", 170, 7, "", 4}};
    EXPECT_EQ(rows, expected);

    const std::string csv = format::resultsSheetCsv(rows);
    EXPECT_EQ(csv, "sample,strength,age_days,date\r\nA-1,250.5,28,2025-01-05\r\n\"'=B;2\",170,7,\r\n");
    const auto again = fromCsv(csv);
    ASSERT_TRUE(std::holds_alternative<std::vector<mix::StrengthRow>>(again));
    const std::vector<mix::StrengthRow> reread = {{"A-1", 250.5, 28, "2025-01-05", 2}, {"=B;2", 170, 7, "", 3}};
    EXPECT_EQ(std::get<std::vector<mix::StrengthRow>>(again), reread);
}

// The low-average series of the engine's tests as JSON, written out by hand: indexes from 0.
TEST(AcceptanceJson, LowAverageSeries)
{
    const std::vector<mix::StrengthRow> rows = {
        {"A", 230, 28, "", 2}, {"B", 235, 28, "", 3}, {"C", 245, 28, "", 4}, {"D", 250, 28, "", 5}};
    std::string out;
    format::JsonWriter o(out);
    o.begin();
    format::appendAcceptance(o, mix::judgeResults(240, mix::Specimen::Cube, rows));
    o.end();
    EXPECT_EQ(out, "{\"acceptance\":{\"specified_ksc\":240,\"specimen\":\"cube\",\"tests\":["
                   "{\"sample\":\"A\",\"strength_ksc\":230,\"specimens\":1},"
                   "{\"sample\":\"B\",\"strength_ksc\":235,\"specimens\":1},"
                   "{\"sample\":\"C\",\"strength_ksc\":245,\"specimens\":1},"
                   "{\"sample\":\"D\",\"strength_ksc\":250,\"specimens\":1}],"
                   "\"n\":4,\"mean_ksc\":240,\"sd_ksc\":9.13,\"min_ksc\":230,"
                   "\"aci318\":{\"meets\":false,\"single_limit_ksc\":204.31,\"low_averages\":[0],\"low_tests\":[]},"
                   "\"en206\":{\"meets\":false,\"mean_limit_ksc\":280.79,\"single_limit_ksc\":199.21,"
                   "\"low_means\":[0,1],\"low_tests\":[]},"
                   "\"required_average_ksc\":324.64,\"required_margin_ksc\":84.64,\"design_margin_ksc\":60,"
                   "\"design_margin_enough\":false}}");
}

// The chart plots each test at its number and each mean of three at the last test of its window;
// the sheet keeps its lines off the chart's box and goes on to a second sheet for a long series.
TEST(AcceptanceSheet, ChartAndSheetsHoldTheSeries)
{
    struct Case {
        size_t tests;
        size_t sheets;
    };
    for (const Case c : {Case{4, 1}, Case{30, 1}, Case{80, 2}}) {
        std::vector<mix::StrengthRow> rows;
        for (size_t i = 0; i < c.tests; ++i)
            rows.push_back({"T" + std::to_string(i), i % 2 ? 230.0 : 250.0, 28, "", long(i + 2)});
        const mix::Acceptance a = mix::judgeResults(240, mix::Specimen::Cube, rows);
        const format::svg::Chart chart = format::acceptanceChart(a);
        SCOPED_TRACE(c.tests);
        ASSERT_GE(chart.series.size(), 2u);
        ASSERT_EQ(chart.series[0].points.size(), c.tests);
        EXPECT_EQ(chart.series[0].points[1], (std::pair<double, double>{2, 230}));
        ASSERT_EQ(chart.series[1].points.size(), c.tests - 2);
        EXPECT_EQ(chart.series[1].points[0].first, 3);
        EXPECT_NEAR(chart.series[1].points[0].second, 730.0 / 3, 1e-9);
        ASSERT_EQ(chart.rules.size(), 4u);
        EXPECT_EQ(chart.rules[0].at, 240);
        for (const auto& rule : chart.rules)
            EXPECT_TRUE(rule.at > chart.yMin && rule.at < chart.yMax);

        const auto sheets = format::acceptanceSheets(a, "2025-02-01");
        ASSERT_EQ(sheets.size(), c.sheets);
        EXPECT_EQ(sheets[0][1].text, "วันที่ 2025-02-01");
        const auto box = format::kAcceptanceChart;
        size_t listed = 0;
        for (size_t s = 0; s < sheets.size(); ++s)
            for (const auto& line : sheets[s]) {
                EXPECT_FALSE(s == 0 && line.y + 300 > box.y && line.y < box.y + box.height) << line.text;
                EXPECT_LT(line.y, 16838 - 400) << line.text; // A4 is 16838 twips tall
                listed += line.text.find("  (1 ก้อน)") != std::string::npos;
            }
        EXPECT_EQ(listed, c.tests);
        EXPECT_EQ(sheets[0].back().text.find("(....."), 6u);
    }
}
