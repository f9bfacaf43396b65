#include "cli/options.h"
#include "cli/output.h"
#include "cli/pdfexport.h"

#include <cstdio>
#include <iostream>

namespace {
constexpr int kRefused = 2;
constexpr int kUsage = 64;
} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = cli::parseOptions(args);
    if (const auto* usage = std::get_if<cli::UsageError>(&parsed)) {
        std::cerr << "mixdesign: " << usage->message << "\n\n" << cli::usageText();
        return kUsage;
    }
    const auto& options = std::get<cli::Options>(parsed);
    if (options.help) {
        std::cout << cli::usageText();
        return 0;
    }

    const auto outcome = mix::calculate(options.inputs);
    if (const auto* error = std::get_if<mix::CalcError>(&outcome)) {
        std::cerr << error->message << "\n";
        if (options.json)
            std::cout << cli::jsonError(*error);
        return kRefused;
    }
    const auto& result = std::get<mix::CalcResult>(outcome);
    if (options.pdfFile) {
        if (const int status = cli::writePdf(result, *options.pdfFile); status != 0)
            return status;
    }
    std::cout << (options.json ? cli::jsonReport(result) : cli::textReport(result));
    return 0;
}
