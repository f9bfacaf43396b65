#pragma once

#include <string>
#include <string_view>

namespace web {

// The lab's results sheet judged for the page, from a record of string members: "sheet" (the
// text pasted or imported: CSV as the command reads it, or tab-separated rows as a spreadsheet
// copies them), "strength" and "specimen" of the design as the link names them, and "date" for
// the acceptance sheet. The answer holds the sheet's cells with their lines ("header", "rows",
// each row's test index when it is judged), the sheet as CSV for export, and then either
// "error" (the line and the reason in Thai and English), "needs_design" when no strength is
// given, or "acceptance" (format::appendAcceptance), its Thai lines ("texts"), the acceptance
// sheet's lines ("sheets"), the chart's SVG ("chart") and its box on the first sheet ("figure").
std::string resultsJson(std::string_view record);

} // namespace web

extern "C" const char* mixdesign_results(const char* record);
