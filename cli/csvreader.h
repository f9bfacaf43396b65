#pragma once

#include <istream>
#include <string>
#include <vector>

namespace cli {

// Reads CSV one record at a time, so a file of any length needs the memory of one row.
// Takes what spreadsheets write: a UTF-8 byte-order mark, comma or semicolon (told by the
// header line), fields in double quotes with "" for a quote and line breaks inside, CRLF.
class CsvReader {
public:
    explicit CsvReader(std::istream& in);

    // The header; false when the input is empty. Call once, first.
    bool readHeader(std::vector<std::string>& fields);
    // The next record that is not an empty line; false at the end of the input.
    bool next(std::vector<std::string>& fields);
    // The line the last record began on, counting from 1 for the header.
    long line() const { return m_recordLine; }
    // The last record ended inside a quoted field.
    bool unterminatedQuote() const { return m_unterminated; }
    char separator() const { return m_separator; }

private:
    int get();
    bool readRecord(std::vector<std::string>& fields);

    std::streambuf* m_in;
    char m_separator = ',';
    long m_line = 1;
    long m_recordLine = 0;
    bool m_unterminated = false;
    std::string m_pending; // the header line, read ahead to choose the separator
    size_t m_pendingAt = 0;
};

} // namespace cli
