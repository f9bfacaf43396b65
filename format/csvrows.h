#pragma once

#include "engine/calcerror.h"
#include "engine/design.h"
#include "engine/mixinputs.h"

#include <string>
#include <string_view>

namespace format {

// The CSV a batch writes, one row per input row, CRLF-ended. `pourColumns`: the input has a
// volume column, so every row carries the pour's columns too, empty where nothing was planned;
// `costColumns`: it has price columns as well, and every row carries the cost's after them;
// `durabilityColumns`: it has an exposure column, and every row ends with the verdict on it.

// One cell: quoted when it must be, and a cell a spreadsheet would run as a formula kept as
// text behind an apostrophe; UTF-8 throughout.
void appendCsvField(std::string& out, std::string_view field);

// The header line, after a UTF-8 byte-order mark when `bom`.
void appendCsvHeader(std::string& out, bool bom, bool pourColumns, bool costColumns = false,
                     bool durabilityColumns = false);
// An accepted design; its numbers alone are read, so a design computed without texts will do.
void appendCsvDesign(std::string& out, const mix::Design& design, bool pourColumns, bool costColumns = false,
                     bool durabilityColumns = false);
void appendCsvRefusal(std::string& out, const mix::MixInputs& inputs, const mix::CalcError& error, bool pourColumns,
                      bool costColumns = false, bool durabilityColumns = false);
// A row that could not be read as inputs at all.
void appendCsvMalformed(std::string& out, std::string_view message, bool pourColumns, bool costColumns = false,
                        bool durabilityColumns = false);

} // namespace format
