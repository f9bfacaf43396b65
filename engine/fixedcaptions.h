#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace mix {

// A caption the window shows whatever the design: a label of the details pages, a frame's
// title, a check box. The report prints some of them beside the result texts, so the window
// and everything that prints or exports share this one table.
struct FixedCaption {
    std::string_view control; // the design name, "Label15(1)"
    std::string_view text;    // UTF-8
};

std::span<const FixedCaption> fixedCaptions();

// The fixed caption of `control`, or nothing when the control's text comes from a Calculate
// (or it has none).
std::optional<std::string_view> fixedCaption(std::string_view control);

} // namespace mix
