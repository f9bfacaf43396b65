#pragma once

#include "format/sheetlines.h"

#include <string>
#include <string_view>
#include <vector>

namespace web {

// One Calculate as one JSON object, from the page's record of entries (web/entryrecord.h).
// An accepted design: its stored fields, the final mix, every result text in the order
// Calculate writes them, the volume of each material in a cubic metre, with an exposure class
// its verdict (the command's "durability", its Thai lines and its chart's SVG), the planner's entry
// messages, with a volume the planned pour (and its cost, with prices) and its figures as
// shown, the design's link, the printed sheets and where sheet 1's QR code goes. A refusal:
// its kind, the control that gets the focus, the message and its title, the planner's entry
// messages and the link. The page and the native comparison read the same text.
std::string designJson(std::string_view record);

// Every caption the page shows that the engine's tables hold, keyed as the page's
// data-caption attributes name them, and the design criteria.
std::string captionsJson();

// Sheets as the page prints them: each a list of lines at their places in twips.
std::string sheetsJson(const std::vector<format::SheetLines>& sheets);

} // namespace web

// The entry points the page calls. The record is UTF-8 JSON in memory the caller allocated on
// the heap; each answer stays valid until the next call.
extern "C" const char* mixdesign_design(const char* record);
extern "C" const char* mixdesign_captions();
