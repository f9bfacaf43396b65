#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mix {

struct DesignNumbers;
struct MixInputs;

// Result texts keyed by control name ("Label15(0)", "Label5(2)", "Text6", ...), in the
// order Calculate writes them: later labels may copy earlier ones. All texts live in one
// buffer, so a whole design's fifty texts cost a couple of allocations, not fifty.
class ResultTexts {
public:
    using Item = std::pair<std::string_view, std::string_view>; // control, UTF-8 text

    // Each control is written once per Calculate; `control` must outlive the texts
    // (the names are literals).
    void set(std::string_view control, std::initializer_list<std::string_view> parts);
    // The text of a control, or an empty text when Calculate does not write it.
    std::string_view at(std::string_view control) const;
    std::vector<Item> items() const;
    void reserve(size_t controls, size_t bytes)
    {
        m_entries.reserve(controls);
        m_buffer.reserve(bytes);
    }
    size_t size() const { return m_entries.size(); }

    bool operator==(const ResultTexts& other) const { return items() == other.items(); }

private:
    struct Entry {
        std::string_view control;
        size_t offset;
        size_t length;
    };
    std::string m_buffer;
    std::vector<Entry> m_entries;
};

ResultTexts makeResultTexts(const MixInputs& inputs, const DesignNumbers& numbers);

} // namespace mix
