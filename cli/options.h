#pragma once

#include "engine/mixinputs.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace cli {

struct Options {
    mix::MixInputs inputs;
    bool json = false;
    bool help = false;
    std::optional<std::string> pdfFile;
};

struct UsageError {
    std::string message;
};

// Maps the options onto the window's controls: a missing option is an empty field or a
// clear box, an empty value an empty text, so the engine refuses exactly as the window would.
std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& args);

std::string usageText();

} // namespace cli
