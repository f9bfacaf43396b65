#pragma once

#include <string>

namespace mix {
struct Design;
}

namespace cli {

// The two documents the command draws: the report (with the material order when a pour is
// planned, and its cost when prices are given) and the one-page mixer card.
enum class Document { Report, Card };

struct PdfRequest {
    Document document = Document::Report;
    const mix::Design* design = nullptr; // an accepted design
    const char* file = nullptr;          // "-" is standard output
};

// Writes the document of an accepted design into its file; 0 on success, else the exit status
// to end with (the reason already told on stderr).
int writePdf(const PdfRequest& request);

} // namespace cli
