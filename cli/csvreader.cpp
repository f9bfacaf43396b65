#include "cli/csvreader.h"

namespace cli {

CsvReader::CsvReader(std::istream& in) : m_in(in.rdbuf()) {}

int CsvReader::get()
{
    if (m_pendingAt < m_pending.size())
        return static_cast<unsigned char>(m_pending[m_pendingAt++]);
    return m_in->sbumpc();
}

bool CsvReader::readHeader(std::vector<std::string>& fields)
{
    for (int c = m_in->sbumpc(); c != EOF; c = m_in->sbumpc()) {
        m_pending += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (m_pending.rfind("\xEF\xBB\xBF", 0) == 0)
        m_pendingAt = 3;
    // A spreadsheet set to a comma decimal writes semicolons; the header names have neither.
    const auto line = std::string_view(m_pending).substr(m_pendingAt);
    m_separator = line.find(';') != std::string_view::npos && line.find(',') == std::string_view::npos ? ';' : ',';
    return readRecord(fields);
}

bool CsvReader::next(std::vector<std::string>& fields)
{
    while (readRecord(fields))
        if (fields.size() > 1 || !fields[0].empty() || m_unterminated)
            return true;
    return false;
}

bool CsvReader::readRecord(std::vector<std::string>& fields)
{
    fields.assign(1, std::string());
    m_recordLine = m_line;
    m_unterminated = false;
    int c = get();
    if (c == EOF)
        return false;
    bool quoted = false;
    bool atFieldStart = true;
    for (; c != EOF; c = get()) {
        if (quoted) {
            if (c == '"') {
                const int after = get();
                if (after == '"') {
                    fields.back() += '"';
                    continue;
                }
                quoted = false;
                if (after == EOF)
                    return true;
                c = after;
            } else {
                if (c == '\n')
                    ++m_line;
                fields.back() += static_cast<char>(c);
                continue;
            }
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
        } else if (c == m_separator) {
            fields.emplace_back();
            atFieldStart = true;
        } else if (c == '\n') {
            ++m_line;
            return true;
        } else if (c != '\r') { // the CR of a CRLF, outside quotes
            fields.back() += static_cast<char>(c);
            atFieldStart = false;
        }
    }
    m_unterminated = quoted;
    return true;
}

} // namespace cli
