#pragma once

#include <string>
#include <string_view>

namespace cli {

enum class Precision { Single, Double };

// The one place a number becomes JSON (and CSV) text: the shortest form that reads back as
// the same value at the given precision, so a float field shows 0.61, not 0.6100000143.
// Not-a-number and infinities, which JSON cannot hold, become null.
std::string jsonNumber(double value, Precision precision = Precision::Double);

// A JSON string literal. Invalid UTF-8 (a file saved in another code page, a cut-off
// argument) becomes U+FFFD, so the output always parses.
std::string jsonString(std::string_view text);

// Appends members in the order given; the callers fix that order, since people read it.
class JsonObject {
public:
    JsonObject& raw(std::string_view key, std::string_view json);
    JsonObject& number(std::string_view key, double value, Precision precision = Precision::Double)
    {
        return raw(key, jsonNumber(value, precision));
    }
    JsonObject& text(std::string_view key, std::string_view value) { return raw(key, jsonString(value)); }
    std::string str() const { return "{" + m_body + "}"; }

private:
    std::string m_body;
};

} // namespace cli
