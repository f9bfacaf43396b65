#pragma once

#include "cli/options.h"
#include "engine/calculate.h"

#include <string>
#include <string_view>

namespace cli {

// Turns each batch row's outcome into one line of the chosen format, appended to `out`.
class BatchWriter {
public:
    BatchWriter(BatchFormat format, bool bom) : m_format(format), m_bom(bom) {}

    void begin(std::string& out) const;
    // Whether a designed row needs the result texts, or the numbers alone will do.
    bool needsTexts() const { return m_format == BatchFormat::Jsonl; }
    void designed(std::string& out, const mix::MixInputs& inputs, const mix::CalcResult& result) const;
    void designed(std::string& out, const mix::MixInputs& inputs, const mix::DesignNumbers& numbers) const;
    void refused(std::string& out, const mix::MixInputs& inputs, const mix::CalcError& error) const;
    void malformed(std::string& out, long line, std::string_view message) const;

private:
    BatchFormat m_format;
    bool m_bom;
};

} // namespace cli
