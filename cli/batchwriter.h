#pragma once

#include "cli/options.h"
#include "engine/calcerror.h"
#include "engine/design.h"
#include "engine/mixinputs.h"

#include <string>
#include <string_view>

namespace cli {

// Turns each batch row's outcome into one line of the chosen format, appended to `out`.
class BatchWriter {
public:
    // `pour`: the input has a volume column, so the CSV carries the pour's columns too; `cost`:
    // it has price columns as well, and the CSV carries the cost's; `durability`: it has an
    // exposure column, and the CSV carries the verdict's.
    BatchWriter(BatchFormat format, bool bom, bool pour = false, bool cost = false, bool durability = false)
        : m_format(format), m_bom(bom), m_pour(pour), m_cost(cost), m_durability(durability)
    {
    }

    void begin(std::string& out) const;
    // Whether a designed row needs the result texts, or the numbers alone will do.
    bool needsTexts() const { return m_format == BatchFormat::Jsonl; }
    // An accepted design, computed with its texts when needsTexts() says so.
    void designed(std::string& out, const mix::Design& design) const;
    void refused(std::string& out, const mix::MixInputs& inputs, const mix::CalcError& error) const;
    void malformed(std::string& out, long line, std::string_view message) const;

private:
    BatchFormat m_format;
    bool m_bom;
    bool m_pour;
    bool m_cost;
    bool m_durability;
};

} // namespace cli
