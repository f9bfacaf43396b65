#include "format/csvreader.h"

namespace format {

CsvReader::CsvReader(std::istream& in) : m_in(in.rdbuf()) {}

int CsvReader::get()
{
    if (m_pendingAt < m_pending.size())
        return static_cast<unsigned char>(m_pending[m_pendingAt++]);
    return m_in->sbumpc();
}

std::string_view CsvReader::fault() const
{
    if (m_unterminated)
        return "a quoted field is not closed";
    if (m_fieldTooLong)
        return "a field is longer than 1 MiB";
    if (m_strayCr)
        return "a carriage return outside quotes that does not end the line";
    return {};
}

bool CsvReader::readHeader(std::vector<std::string>& fields)
{
    // The separator is told by the line's start; a header is a few dozen bytes.
    for (int c = m_in->sbumpc(); c != EOF && m_pending.size() < kMaxFieldBytes; c = m_in->sbumpc()) {
        m_pending += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (m_pending.rfind("\xEF\xBB\xBF", 0) == 0)
        m_pendingAt = 3;
    // A spreadsheet set to a comma decimal writes semicolons; the header names have neither.
    const auto line = std::string_view(m_pending).substr(m_pendingAt);
    m_separator = line.find(';') != std::string_view::npos && line.find(',') == std::string_view::npos ? ';' : ',';
    const bool read = readRecord(fields);
    m_keepFields = fields.size() + 1;
    return read;
}

bool CsvReader::next(std::vector<std::string>& fields)
{
    while (readRecord(fields))
        if (fields.size() > 1 || !fields[0].empty() || !fault().empty())
            return true;
    return false;
}

bool CsvReader::readRecord(std::vector<std::string>& fields)
{
    fields.assign(1, std::string());
    m_recordLine = m_line;
    m_unterminated = m_strayCr = m_fieldTooLong = false;
    m_fieldCount = 1;
    int c = get();
    if (c == EOF)
        return false;
    const auto keep = [&](int ch) {
        if (fields.size() < m_fieldCount)
            return; // past the header's count: counted, not kept
        if (fields.back().size() < kMaxFieldBytes)
            fields.back() += static_cast<char>(ch);
        else
            m_fieldTooLong = true;
    };
    bool quoted = false;
    bool atFieldStart = true;
    while (c != EOF) {
        if (quoted) {
            if (c == '"') {
                const int after = get();
                if (after == '"') {
                    keep('"');
                    c = get();
                    continue;
                }
                quoted = false;
                c = after;
                continue;
            }
            if (c == '\n')
                ++m_line;
            keep(c);
            c = get();
            continue;
        }
        if (c == '"' && atFieldStart) {
            quoted = true;
            atFieldStart = false;
        } else if (c == m_separator) {
            if (++m_fieldCount <= m_keepFields)
                fields.emplace_back();
            atFieldStart = true;
        } else if (c == '\n') {
            ++m_line;
            return true;
        } else if (c == '\r') {
            const int after = get();
            if (after == '\n') {
                ++m_line;
                return true;
            }
            // Read as nothing, a lone CR would join "2" and "40" into 240 and design it.
            m_strayCr = true;
            c = after;
            continue;
        } else {
            keep(c);
            atFieldStart = false;
        }
        c = get();
    }
    m_unterminated = quoted;
    return true;
}

} // namespace format
