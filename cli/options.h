#pragma once

#include "engine/mixinputs.h"
#include "engine/pourcost.h"
#include "engine/pourplan.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

enum class BatchFormat { Jsonl, Csv };

struct Options {
    mix::MixInputs inputs;
    bool json = false;
    std::optional<std::string> pdfFile;
    std::optional<std::string> cardFile;  // the mixer card, "-" is standard output
    std::optional<std::string> batchFile; // "-" is standard input
    BatchFormat batchFormat = BatchFormat::Jsonl;
    bool bom = false;
    // The pour planner, with --pour; the planner's other options need it.
    std::optional<mix::PourSettings> pour;
    // Unit prices in baht, with --pour; never stored.
    mix::PourPrices prices;
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
// The option that sets a planner entry, for naming it in a message.
std::string_view pourOptionName(mix::PourField field);
std::string_view priceOptionName(mix::PriceField field);
// Built from the same table the parser reads, so every option is listed.
std::string usageText();

} // namespace cli
