#include "format/jsonwriter.h"

namespace format {
namespace {

// Length of the well-formed UTF-8 sequence of `left` bytes at `p` that begins with a byte of
// 0x80 or more, or 0. Inline: Thai is three bytes a letter and this runs for every one of them.
inline size_t utf8Length(const unsigned char* p, size_t left)
{
    const unsigned char c = p[0];
    size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF; // no UTF-16 surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (left < n || p[1] < low || p[1] > high)
        return 0;
    for (size_t i = 2; i < n; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return n;
}

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
