#pragma once

#include "engine/calcerror.h"
#include "engine/calcresult.h"
#include "engine/mixinputs.h"
#include "engine/pourcost.h"
#include "engine/pourplan.h"

#include <string>
#include <string_view>

namespace format {

// The CSV a batch writes, one row per input row, CRLF-ended. `pourColumns`: the input has a
// volume column, so every row carries the pour's columns too, empty where nothing was planned;
// `costColumns`: it has price columns as well, and every row carries the cost's after them.

// The header line, after a UTF-8 byte-order mark when `bom`.
void appendCsvHeader(std::string& out, bool bom, bool pourColumns, bool costColumns = false);
void appendCsvDesign(std::string& out, const mix::MixInputs& inputs, const mix::DesignNumbers& numbers,
                     bool pourColumns, const mix::PourPlan* plan = nullptr, bool costColumns = false,
                     const mix::PourPrices* prices = nullptr);
void appendCsvRefusal(std::string& out, const mix::MixInputs& inputs, const mix::CalcError& error, bool pourColumns,
                      bool costColumns = false);
// A row that could not be read as inputs at all.
void appendCsvMalformed(std::string& out, std::string_view message, bool pourColumns, bool costColumns = false);

} // namespace format
