#include "format/jsonwriter.h"

#include "format/utf8.h"

namespace format {
namespace {

void appendEscape(std::string& out, unsigned char c)
{
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        static constexpr char hex[] = "0123456789abcdef";
        out += "\\u00";
        out += hex[c >> 4];
        out += hex[c & 15];
    }
}

} // namespace

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    size_t runStart = 0;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = bytes[i];
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        const size_t n = c >= 0x80 ? utf8Length(bytes + i, text.size() - i) : 0;
        if (n > 0) {
            i += n;
            continue;
        }
        out.append(text.substr(runStart, i - runStart));
        if (c >= 0x80)
            out += "\xEF\xBF\xBD";
        else
            appendEscape(out, c);
        runStart = ++i;
    }
    out.append(text.substr(runStart));
    out += '"';
}

void JsonWriter::key(std::string_view key)
{
    if (!m_first)
        m_out += ',';
    m_first = false;
    if (!key.empty()) {
        appendJsonString(m_out, key);
        m_out += ':';
    }
}

JsonWriter& JsonWriter::begin(std::string_view name)
{
    key(name);
    m_out += '{';
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::end()
{
    m_out += '}';
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::raw(std::string_view name, std::string_view json)
{
    key(name);
    m_out.append(json);
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view name, std::string_view value)
{
    key(name);
    appendJsonString(m_out, value);
    return *this;
}

} // namespace format
