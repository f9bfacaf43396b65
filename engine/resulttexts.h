#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mix {

struct DesignNumbers;
struct MixInputs;

// Result texts keyed by control name ("Label15(0)", "Label5(2)", "Text6", ...), in the
// order Calculate writes them: later labels may copy earlier ones.
class ResultTexts {
public:
    // Each control is written once per Calculate.
    void set(std::string control, std::string text);
    // The text of a control, or an empty text when Calculate does not write it.
    std::string_view at(std::string_view control) const;
    const std::vector<std::pair<std::string, std::string>>& items() const { return m_items; }

private:
    std::vector<std::pair<std::string, std::string>> m_items;
};

ResultTexts makeResultTexts(const MixInputs& inputs, const DesignNumbers& numbers);

}  // namespace mix
