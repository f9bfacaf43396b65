#include "format/csvreader.h"

#include <gtest/gtest.h>

#include <sstream>

using format::CsvReader;

TEST(CsvReader, ReadsWhatSpreadsheetsWrite)
{
    struct Row {
        const char* input;
        std::vector<std::vector<std::string>> records; // after the header
        std::vector<long> lines;
    };
    const Row rows[] = {
        {"a;b\r\n1;\"x;\"\"y\"\"\"\r\n", {{"1", "x;\"y\""}}, {2}},
        {"a,b\n\n\"1\n2\",3\n4,5", {{"1\n2", "3"}, {"4", "5"}}, {3, 5}},
        {"a,b\n\"ab\"c,\"\"\n", {{"abc", ""}}, {2}},
        {"a,b\n1,\"open\n2,3\n", {{"1", "open\n2,3\n"}}, {2}},
    };
    for (const auto& row : rows) {
        std::istringstream in(row.input);
        CsvReader reader(in);
        std::vector<std::string> fields;
        ASSERT_TRUE(reader.readHeader(fields));
        EXPECT_EQ(fields, (std::vector<std::string>{"a", "b"})) << row.input;
        for (size_t i = 0; i < row.records.size(); ++i) {
            ASSERT_TRUE(reader.next(fields)) << row.input;
            EXPECT_EQ(fields, row.records[i]) << row.input;
            EXPECT_EQ(reader.line(), row.lines[i]) << row.input;
        }
        EXPECT_FALSE(reader.next(fields)) << row.input;
    }
    std::istringstream open("a,b\n1,\"open");
    CsvReader reader(open);
    std::vector<std::string> fields;
    reader.readHeader(fields);
    ASSERT_TRUE(reader.next(fields));
    EXPECT_EQ(reader.fault(), "a quoted field is not closed");
}

// What no spreadsheet writes: each row is refused as a whole, in memory of one row at most.
TEST(CsvReader, HostileRowsAreFaultsNotFields)
{
    struct Row {
        std::string input; // after a two-column header
        std::string fault;
        size_t fieldCount;
        size_t keptFields;
    };
    const Row rows[] = {
        {"1,2\r\n", "", 2, 2},
        {"2\r40,1\n", "a carriage return outside quotes that does not end the line", 2, 2},
        {"1,2\r", "a carriage return outside quotes that does not end the line", 2, 2},
        {"\"1\r2\",3\n", "", 2, 2}, // inside quotes a CR is text
        {std::string(10000, ','), "", 10001, 3},
        {"1," + std::string((1 << 20) + 1, '9') + "\n", "a field is longer than 1 MiB", 2, 2},
        {"1,\"" + std::string((1 << 20) + 1, '9') + "\"\n", "a field is longer than 1 MiB", 2, 2},
    };
    for (const auto& row : rows) {
        std::istringstream in("a,b\n" + row.input);
        CsvReader reader(in);
        std::vector<std::string> fields;
        ASSERT_TRUE(reader.readHeader(fields));
        ASSERT_TRUE(reader.next(fields)) << row.input.substr(0, 20);
        EXPECT_EQ(reader.fault(), row.fault) << row.input.substr(0, 20);
        EXPECT_EQ(reader.fieldCount(), row.fieldCount) << row.input.substr(0, 20);
        EXPECT_EQ(fields.size(), row.keptFields) << row.input.substr(0, 20);
        for (const auto& f : fields)
            EXPECT_LE(f.size(), size_t(1) << 20);
    }
}
