#pragma once

#include "engine/calcerror.h"
#include "engine/calcresult.h"
#include "engine/mixinputs.h"
#include "engine/pourcost.h"
#include "engine/pourplan.h"
#include "format/jsonwriter.h"

#include <string>
#include <string_view>

namespace format {

inline constexpr int kJsonSchema = 1;

// The stored fields of a design in the design's own names and order, floats at their stored
// precision: the "steps" of the command's JSON and the "design" of the web page's.
void appendSteps(JsonWriter& o, const mix::MixDesign& d);

// One accepted design as one line of JSON (docs/json.md), newline included, appended to `out`;
// with a planned pour it carries the "pour" object, and with prices its "cost".
void appendJsonDesign(std::string& out, const mix::MixInputs& inputs, const mix::CalcResult& result,
                      const mix::PourPlan* plan = nullptr, const mix::PourPrices* prices = nullptr);
std::string jsonDesign(const mix::MixInputs& inputs, const mix::CalcResult& result, const mix::PourPlan* plan = nullptr,
                       const mix::PourPrices* prices = nullptr);

// One refused design: kind, the control to correct and the window's Thai message.
std::string jsonRefusal(const mix::CalcError& error);

// A batch row that could not be read as inputs at all; it names its line.
std::string jsonMalformedRow(long line, std::string_view message);

} // namespace format
