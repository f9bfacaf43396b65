#include "report/pdfcmap.h"

#include <cstdint>
#include <cstdio>

namespace report {

namespace {

// The private-use block every TLWG face shares with the older Thai fonts of Windows and macOS:
// thothan and yoying without their tails, marks moved left, down or both.
char16_t thaiMarkOf(char16_t c)
{
    static constexpr char16_t kShifted[] = {
        0x0E10, 0x0E34, 0x0E35, 0x0E36, 0x0E37, // F700-F704
        0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // F705-F709 down and left
        0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // F70A-F70E down
        0x0E0D, 0x0E31, 0x0E4D, 0x0E47,         // F70F-F712
        0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // F713-F717 left
        0x0E38, 0x0E39, 0x0E3A,                 // F718-F71A down
    };
    if (c == u'\t')
        return u' ';
    if (c >= 0xF700 && c < 0xF700 + std::size(kShifted))
        return kShifted[c - 0xF700];
    return c;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One <...> destination of the map, its UTF-16 units mended; untouched unless it is whole units.
std::string mendedDestination(const std::string& hex)
{
    if (hex.size() % 4 != 0)
        return hex;
    std::string out;
    for (std::size_t i = 0; i < hex.size(); i += 4) {
        unsigned unit = 0;
        for (std::size_t k = i; k < i + 4; ++k) {
            const int v = hexValue(hex[k]);
            if (v < 0)
                return hex;
            unit = unit * 16 + unsigned(v);
        }
        char buf[5];
        std::snprintf(buf, sizeof buf, "%04X", unsigned(thaiMarkOf(char16_t(unit))));
        out += buf;
    }
    return out;
}

} // namespace

std::string mendedToUnicode(const std::string& cmap)
{
    // Within a bfchar line the first hex string is the glyph, within a bfrange line the first
    // two; every later one, in brackets or not, is text.
    std::string out;
    out.reserve(cmap.size());
    enum class Section { Other, Char, Range } section = Section::Other;
    std::size_t lineStart = 0;
    while (lineStart < cmap.size()) {
        std::size_t lineEnd = cmap.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = cmap.size();
        const std::string line = cmap.substr(lineStart, lineEnd - lineStart);
        if (line.ends_with("beginbfchar"))
            section = Section::Char;
        else if (line.ends_with("beginbfrange"))
            section = Section::Range;
        else if (line.starts_with("endbf"))
            section = Section::Other;

        if (section == Section::Other || line.ends_with("beginbfchar") || line.ends_with("beginbfrange")) {
            out += line;
        } else {
            const int sources = section == Section::Char ? 1 : 2;
            int seen = 0;
            std::size_t at = 0;
            while (at < line.size()) {
                const std::size_t open = line.find('<', at);
                const std::size_t close = open == std::string::npos ? open : line.find('>', open);
                if (close == std::string::npos) {
                    out += line.substr(at);
                    break;
                }
                out += line.substr(at, open + 1 - at);
                const std::string hex = line.substr(open + 1, close - open - 1);
                out += seen++ < sources ? hex : mendedDestination(hex);
                out += '>';
                at = close + 1;
            }
        }
        if (lineEnd < cmap.size())
            out += '\n';
        lineStart = lineEnd + 1;
    }
    return out;
}

std::string pdfHexText(const std::u16string& text)
{
    std::string out = "<FEFF";
    char buf[5];
    for (char16_t unit : text) {
        std::snprintf(buf, sizeof buf, "%04X", unsigned(unit));
        out += buf;
    }
    return out + ">";
}

} // namespace report
