#pragma once

#include "engine/entries.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

enum class BatchFormat { Jsonl, Csv };

struct Options {
    // The design's entries as the window's controls would hold them, and the pour's entries and
    // prices as typed (the pour's options need --pour; prices are never stored).
    mix::Entries entries;
    bool json = false;
    std::optional<std::string> pdfFile;
    std::optional<std::string> cardFile;    // the mixer card, "-" is standard output
    std::optional<std::string> batchFile;   // "-" is standard input
    std::optional<std::string> resultsFile; // the strength results to judge, "-" is standard input
    BatchFormat batchFormat = BatchFormat::Jsonl;
    bool bom = false;
    bool help = false;
    bool version = false;
};

struct UsageError {
    std::string message; // names the option at fault
};

// Maps the options onto the window's controls: a missing option is an empty field or a
// clear box, an empty value an empty text, so the engine refuses exactly as the window would.
std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& args);

std::string synopsisText();
// Built from the same table the parser reads, so every option is listed.
std::string usageText();

} // namespace cli
