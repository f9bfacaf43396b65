#include "cli/options.h"
#include "engine/design.h"
#include "tests/fuzz/fuzzinput.h"

#include <cstdlib>

// Input: the command line's arguments, separated by NUL. Whatever parses goes on to the engine,
// as the command would take it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool usageIsText = isUtf8(cli::usageText());
    if (!usageIsText)
        std::abort();
    const auto parsed = cli::parseOptions(splitAtNul(data, size));
    if (const auto* usage = std::get_if<cli::UsageError>(&parsed)) {
        if (usage->message.empty())
            std::abort();
        return 0;
    }
    // The one design the command would print: accepted or refused, never both nor neither.
    const mix::Design design = mix::designOf(std::get<cli::Options>(parsed).entries);
    if (design.result.has_value() == design.refusal.has_value() || (design.refusal && design.refusal->message.empty()))
        std::abort();
    return 0;
}
