#include "cli/jsonwriter.h"

#include <charconv>
#include <cmath>

namespace cli {
namespace {

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0.
size_t utf8Length(std::string_view s)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = byte(0);
    size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF; // no UTF-16 surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (s.size() < n || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < n; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return n;
}

} // namespace

std::string jsonNumber(double value, Precision precision)
{
    if (!std::isfinite(value))
        return "null";
    char buf[32];
    const auto result = precision == Precision::Single ? std::to_chars(buf, buf + sizeof buf, static_cast<float>(value))
                                                       : std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

std::string jsonString(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text[0]);
        const size_t n = utf8Length(text);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out.append(text.substr(0, n));
        }
        text.remove_prefix(n);
    }
    out += '"';
    return out;
}

JsonObject& JsonObject::raw(std::string_view key, std::string_view json)
{
    if (!m_body.empty())
        m_body += ',';
    m_body.append(jsonString(key)).append(":").append(json);
    return *this;
}

} // namespace cli
