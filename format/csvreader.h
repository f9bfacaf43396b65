#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace format {

// Reads CSV one record at a time, so a file of any length needs the memory of one row.
// Takes what spreadsheets write: a UTF-8 byte-order mark, comma or semicolon (told by the
// header line), fields in double quotes with "" for a quote and line breaks inside, CRLF.
// A row holds at most one field more than the header and 1 MiB a field, whatever the input,
// and says so: neither a batch of designs nor a sheet of results needs more fields or a longer
// text. The batch and the results sheet of every front end read through it.
class CsvReader {
public:
    static constexpr size_t kMaxFieldBytes = size_t(1) << 20;

    explicit CsvReader(std::istream& in);

    // The header; false when the input is empty. Call once, first.
    bool readHeader(std::vector<std::string>& fields);
    // The next record that is not an empty line; false at the end of the input.
    bool next(std::vector<std::string>& fields);
    // The line the last record began on, counting from 1 for the header.
    long line() const { return m_recordLine; }
    // Fields in the last record, counting those past the header's count that were not kept.
    size_t fieldCount() const { return m_fieldCount; }
    // Why the last record cannot be taken as fields, or empty.
    std::string_view fault() const;

private:
    int get();
    bool readRecord(std::vector<std::string>& fields);

    std::streambuf* m_in;
    char m_separator = ',';
    long m_line = 1;
    long m_recordLine = 0;
    bool m_unterminated = false;
    bool m_strayCr = false;
    bool m_fieldTooLong = false;
    size_t m_fieldCount = 0;
    size_t m_keepFields = 64; // the header's count plus one, once it is known
    std::string m_pending;    // the start of the header line, read ahead to choose the separator
    size_t m_pendingAt = 0;
};

} // namespace format
