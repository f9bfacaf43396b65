#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Splits a fuzzer's bytes at NUL into texts, so one input carries several fields or arguments
// and the corpus files stay readable.
inline std::vector<std::string> splitAtNul(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            parts.emplace_back();
        else
            parts.back() += char(data[i]);
    }
    return parts;
}

// True when `text` is well-formed UTF-8: every text reaches a window, a PDF or JSON.
inline bool isUtf8(const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = uint8_t(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xE  ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((uint8_t(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}
