#pragma once

#include <string>

namespace mix {
struct Acceptance;
struct Design;
} // namespace mix

namespace cli {

// The documents the command draws: the report (with the material order when a pour is
// planned, and its cost when prices are given), the one-page mixer card, and the acceptance
// sheet of judged strength results.
enum class Document { Report, Card, Acceptance };

struct PdfRequest {
    Document document = Document::Report;
    const mix::Design* design = nullptr;         // an accepted design
    const char* file = nullptr;                  // "-" is standard output
    const mix::Acceptance* acceptance = nullptr; // for the acceptance sheet, which needs no design
};

// Writes the document into its file; 0 on success, else the exit status
// to end with (the reason already told on stderr).
int writePdf(const PdfRequest& request);

} // namespace cli
