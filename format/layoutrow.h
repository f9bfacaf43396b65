#pragma once

#include <array>
#include <string_view>

namespace format::layout {

enum class PartKind { None, Text, Label, Yield, Durability };

// One piece of a printed line: a literal as it stands, the caption of a label named as the
// window names it ("Label15(1)"), the concrete yield of one bag, or a line of the verdict on the
// exposure class ("exposure", "verdict", "least").
struct Part {
    PartKind kind = PartKind::None;
    std::string_view text;
};

// A line of a sheet at its position in twips from the top-left of the printable area.
struct Row {
    int x = 0;
    int y = 0;
    bool bold = false;
    std::array<Part, 3> parts{};
};

constexpr Part text(std::string_view literal) { return {PartKind::Text, literal}; }
constexpr Part label(std::string_view control) { return {PartKind::Label, control}; }
constexpr Part yieldOfOneBag() { return {PartKind::Yield, {}}; }
constexpr Part durability(std::string_view line) { return {PartKind::Durability, line}; }

} // namespace format::layout
