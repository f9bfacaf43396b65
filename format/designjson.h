#pragma once

#include "engine/calcerror.h"
#include "engine/design.h"
#include "format/jsonwriter.h"

#include <string>
#include <string_view>

namespace format {

inline constexpr int kJsonSchema = 1;

// The stored fields of a design in the design's own names and order, floats at their stored
// precision: the "steps" of the command's JSON and the "design" of the web page's.
void appendSteps(JsonWriter& o, const mix::MixDesign& d);

// The planner's entries and figures as the "pour" member, numbers as the planner tab shows them.
// The design must plan a pour; with prices the pour carries its "cost".
void appendPour(JsonWriter& o, const mix::Design& design);

// The design against its exposure class as the "durability" member (docs/json.md): the class's
// limits, its strength in the typed specimen's terms, the checks failed, the least strength.
void appendDurability(JsonWriter& o, const mix::Durability& durability);

// One accepted design as one line of JSON (docs/json.md), newline included, appended to `out`;
// with a planned pour it carries the "pour" object, and with prices its "cost".
void appendJsonDesign(std::string& out, const mix::Design& design);
std::string jsonDesign(const mix::Design& design);

// One refused design: kind, the control to correct and the window's Thai message.
std::string jsonRefusal(const mix::CalcError& error);

// A batch row that could not be read as inputs at all; it names its line.
std::string jsonMalformedRow(long line, std::string_view message);

} // namespace format
