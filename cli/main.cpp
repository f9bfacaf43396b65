#include "cli/batch.h"
#include "cli/json.h"
#include "cli/options.h"
#include "cli/pdfexport.h"
#include "cli/textreport.h"
#include "engine/calculate.h"
#include "engine/pourplan.h"
#include "engine/version.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kRefused = 2;
constexpr int kUsage = 64;
constexpr int kNoInput = 66;

void print(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

int batch(const cli::Options& options)
{
#ifdef _WIN32
    // The CSV carries its own CRLF; a text-mode stream would double the CR and eat a ^Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (*options.batchFile == "-")
        return cli::runBatch(std::cin, std::cout, std::cerr, options);
    std::ifstream file(*options.batchFile, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "mixdesign: cannot open %s\n", options.batchFile->c_str());
        return kNoInput;
    }
    return cli::runBatch(file, std::cout, std::cerr, options);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        print(stderr, cli::usageText());
        return kUsage;
    }
    const auto parsed = cli::parseOptions(args);
    if (const auto* usage = std::get_if<cli::UsageError>(&parsed)) {
        print(stderr, "mixdesign: " + usage->message + "\n" + cli::synopsisText() +
                          "Try 'mixdesign --help' for every option.\n");
        return kUsage;
    }
    const auto& options = std::get<cli::Options>(parsed);
    if (options.help) {
        print(stdout, cli::usageText());
        return 0;
    }
    if (options.version) {
        print(stdout, "mixdesign " + std::string(mix::kVersion) + "\n");
        return 0;
    }
    if (options.batchFile)
        return batch(options);

    const auto outcome = mix::calculate(options.inputs);
    if (const auto* error = std::get_if<mix::CalcError>(&outcome)) {
        print(stderr, "mixdesign: " + error->message + "\n");
        if (options.json)
            print(stdout, cli::jsonRefusal(*error));
        return kRefused;
    }
    const auto& result = std::get<mix::CalcResult>(outcome);
    std::optional<mix::PourPlan> plan;
    if (options.pour) {
        auto planned = mix::planPour(result.numbers.final, *options.pour);
        if (const auto* bad = std::get_if<mix::PourFieldError>(&planned)) {
            print(stderr, "mixdesign: " + std::string(cli::pourOptionName(bad->field)) +
                              " makes a figure of the pour too large to show\n" + cli::synopsisText());
            return kUsage;
        }
        plan = std::get<mix::PourPlan>(std::move(planned));
    }
    const mix::PourPlan* planned = plan ? &*plan : nullptr;
    if (options.pdfFile) {
        if (const int status = cli::writePdf(result, planned, *options.pdfFile); status != 0)
            return status;
    }
    print(stdout, options.json ? cli::jsonDesign(options.inputs, result, planned) : cli::textReport(result, planned));
    return 0;
}
