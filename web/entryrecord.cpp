#include "web/entryrecord.h"

#include "format/inputnames.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace web {
namespace {

void appendUtf8(std::string& out, std::uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Just enough JSON for a flat object of strings, which is all JSON.stringify makes of the
// page's record.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    std::optional<std::vector<std::pair<std::string, std::string>>> object()
    {
        std::vector<std::pair<std::string, std::string>> members;
        if (!take('{'))
            return std::nullopt;
        if (take('}'))
            return end(std::move(members));
        do {
            auto key = string();
            if (!key || !take(':'))
                return std::nullopt;
            auto value = string();
            if (!value)
                return std::nullopt;
            members.emplace_back(std::move(*key), std::move(*value));
        } while (take(','));
        if (!take('}'))
            return std::nullopt;
        return end(std::move(members));
    }

private:
    std::optional<std::vector<std::pair<std::string, std::string>>>
    end(std::vector<std::pair<std::string, std::string>> members)
    {
        skipBlanks();
        if (m_at != m_text.size())
            return std::nullopt;
        return members;
    }

    void skipBlanks()
    {
        while (m_at < m_text.size() && std::string_view(" \t\r\n").find(m_text[m_at]) != std::string_view::npos)
            ++m_at;
    }

    bool take(char c)
    {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    std::optional<std::uint32_t> hex4()
    {
        if (m_text.size() - m_at < 4)
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return std::nullopt;
        }
        return value;
    }

    std::optional<std::string> string()
    {
        if (!take('"'))
            return std::nullopt;
        std::string out;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"')
                return out;
            if (static_cast<unsigned char>(c) < 0x20)
                return std::nullopt;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_at == m_text.size())
                return std::nullopt;
            const char e = m_text[m_at++];
            const std::string_view plain = "\"\\/bfnrt";
            const std::string_view meant = "\"\\/\b\f\n\r\t";
            if (const auto at = plain.find(e); at != std::string_view::npos) {
                out += meant[at];
                continue;
            }
            if (e != 'u')
                return std::nullopt;
            auto unit = hex4();
            if (!unit)
                return std::nullopt;
            // A surrogate pair is one character; a lone half, which JSON.stringify writes for a
            // broken string, becomes U+FFFD as the writer's invalid UTF-8 does.
            std::uint32_t c32 = *unit;
            if (c32 >= 0xD800 && c32 < 0xDC00 && m_text.substr(m_at, 2) == "\\u") {
                const std::size_t back = m_at;
                m_at += 2;
                const auto low = hex4();
                if (low && *low >= 0xDC00 && *low < 0xE000)
                    c32 = 0x10000 + ((c32 - 0xD800) << 10) + (*low - 0xDC00);
                else
                    m_at = back;
            }
            if (c32 >= 0xD800 && c32 < 0xE000)
                c32 = 0xFFFD;
            appendUtf8(out, c32);
        }
        return std::nullopt;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

EntryRecord readEntryRecord(std::string_view json)
{
    EntryRecord record;
    const auto members = Reader(json).object();
    if (!members)
        return record;
    mix::MixInputs& in = record.entries.design;
    for (const auto& [key, value] : *members) {
        if (key == "address")
            record.address = value;
        else if (key == "date")
            record.date = value;
        else if (key == "sheet")
            record.sheet = value;
        else if (key == "strength")
            in.strengthText = value;
        else if (key == "specimen")
            format::setSpecimen(in, value);
        else if (key == "slump")
            format::setSlump(in, value);
        else if (key == "stone")
            format::setStone(in, value);
        else if (key == "admixture")
            format::setAdmixture(in, value);
        else if (key == "dose")
            in.doseText = value;
        else if (key == "moisture")
            in.moistureText = value;
        else if (key == "exposure")
            record.entries.exposure = mix::exposureByCode(value).value_or(mix::Exposure::None);
        else if (const auto entry = mix::entryByKey(key))
            record.entries.pour[static_cast<std::size_t>(*entry)] = value;
    }
    return record;
}

} // namespace web
