#pragma once

#include "format/numbertext.h"

#include <string>
#include <string_view>

namespace format {

// A JSON string literal appended to `out`. Invalid UTF-8 (a file saved in another code page,
// a cut-off argument) becomes U+FFFD, so the output always parses.
void appendJsonString(std::string& out, std::string_view text);

// Writes nested objects straight into one string, members in the order given: a batch writes
// thousands of designs, and building each member as a string of its own cost most of its time.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : m_out(out) {}

    JsonWriter& begin(std::string_view key = {});
    JsonWriter& end();
    JsonWriter& raw(std::string_view key, std::string_view json);
    JsonWriter& number(std::string_view key, double value, Precision precision = Precision::Double)
    {
        return raw(key, numberText(value, precision));
    }
    JsonWriter& text(std::string_view key, std::string_view value);

private:
    void key(std::string_view key);

    std::string& m_out;
    bool m_first = true;
};

} // namespace format
