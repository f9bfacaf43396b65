#include "cli/printable.h"

#include "format/utf8.h"

namespace cli {

std::string printable(std::string_view input)
{
    static constexpr char hex[] = "0123456789abcdef";
    const auto* bytes = reinterpret_cast<const unsigned char*>(input.data());
    std::string out;
    out.reserve(input.size());
    for (size_t i = 0; i < input.size();) {
        const unsigned char c = bytes[i];
        size_t n = c >= 0x20 && c < 0x7F ? 1 : 0;
        // U+0080 to U+009F are controls too: U+009B is a CSI to some terminals.
        if (c >= 0x80 && !(c == 0xC2 && i + 1 < input.size() && bytes[i + 1] < 0xA0))
            n = format::utf8Length(bytes + i, input.size() - i);
        if (n > 0) {
            out.append(input.substr(i, n));
            i += n;
            continue;
        }
        out += "\\x";
        out += hex[c >> 4];
        out += hex[c & 15];
        ++i;
    }
    return out;
}

} // namespace cli
