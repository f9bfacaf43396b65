#include "cli/options.h"
#include "engine/calculate.h"
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
    const auto outcome = mix::calculate(std::get<cli::Options>(parsed).inputs);
    if (const auto* error = std::get_if<mix::CalcError>(&outcome); error && error->message.empty())
        std::abort();
    return 0;
}
