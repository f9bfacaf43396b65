#include "cli/batch.h"
#include "cli/batchinput.h"
#include "cli/exitstatus.h"
#include "cli/options.h"
#include "cli/pdfexport.h"
#include "cli/printable.h"
#include "cli/results.h"
#include "engine/design.h"
#include "engine/version.h"
#include "format/acceptancejson.h"
#include "format/acceptancesheet.h"
#include "format/designjson.h"
#include "format/textreport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include "output/descriptorwrite.h"

#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

using namespace cli::exitstatus;

void print(std::FILE* stream, const std::string& text) { std::fwrite(text.data(), 1, text.size(), stream); }

// The answer on standard output, checked to the last byte: a full disk or a closed output is
// a failure the caller must hear of, never an exit 0 with nothing written.
int answer(const std::string& text)
{
#ifdef _WIN32
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    const int error = written ? 0 : errno;
#else
    const int error = output::writeFully(STDOUT_FILENO, text);
#endif
    if (error == 0)
        return kOk;
    print(stderr, std::string("mixdesign: cannot write standard output: ") + std::strerror(error) + "\n");
    return kIoError;
}

int batch(const cli::Options& options)
{
#ifdef _WIN32
    // The CSV carries its own CRLF; a text-mode stream would double the CR and eat a ^Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const bool standardInput = *options.batchFile == "-";
    std::FILE* file = standardInput ? stdin : std::fopen(options.batchFile->c_str(), "rb");
    if (!file) {
        print(stderr,
              "mixdesign: cannot open " + cli::printable(*options.batchFile) + ": " + std::strerror(errno) + "\n");
        return kNoInput;
    }
    cli::BatchInput input(file);
    std::istream in(&input);
#ifndef _WIN32
    // As for every other output: a reader gone or a file-size limit comes back as EPIPE or EFBIG
    // and ends the batch with its reason, rather than as a signal that kills it mid-row unheard.
    const output::WriteSignalsHeld held;
#endif
    const int status = cli::runBatch(in, std::cout, std::cerr, options,
                                     standardInput ? "standard input" : cli::printable(*options.batchFile));
    if (!standardInput)
        std::fclose(file);
    return status;
}

// The strength results judged: the text or JSON, or the acceptance sheet as a PDF.
int results(const cli::Options& options)
{
    const auto judged = cli::judgeResultsFile(options, std::cerr);
    if (const int* status = std::get_if<int>(&judged))
        return *status;
    const mix::Acceptance& acceptance = std::get<mix::Acceptance>(judged);
    if (options.pdfFile) {
        const cli::PdfRequest request{cli::Document::Acceptance, nullptr, options.pdfFile->c_str(), &acceptance};
        if (const int status = cli::writePdf(request); status != 0)
            return status;
        if (*options.pdfFile == "-")
            return kOk;
    }
    return answer(options.json ? format::jsonAcceptance(acceptance) : format::acceptanceTextReport(acceptance));
}

#ifndef _WIN32
// A standard stream the caller closed (`>&-`) would be the next descriptor anything opens, and the
// answer or a PDF would go into whatever that is. Holding it on /dev/null in the wrong direction
// keeps the number taken and makes every write to it fail as it should, with EBADF.
void holdClosedStandardStreams()
{
    const int flags[] = {O_WRONLY, O_RDONLY, O_RDONLY};
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int held = open("/dev/null", flags[fd]);
        if (held >= 0 && held != fd) {
            dup2(held, fd);
            close(held);
        }
    }
}
#endif

} // namespace

int main(int argc, char** argv)
{
#ifndef _WIN32
    holdClosedStandardStreams();
#endif
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
    if (options.help)
        return answer(cli::usageText());
    if (options.version)
        return answer("mixdesign " + std::string(mix::kVersion) + "\n");
    if (options.batchFile)
        return batch(options);
    if (options.resultsFile)
        return results(options);

    const mix::Design design = mix::designOf(options.entries);
    if (const auto& error = design.refusal) {
        print(stderr, "mixdesign: " + error->message + "\n");
        if (options.json) {
            if (const int status = answer(format::jsonRefusal(*error)); status != 0)
                return status;
        }
        return kRefused;
    }
    // Every entry was judged when the options were read; what is left is a figure that grew
    // past what a number holds.
    if (!design.entryErrors.empty()) {
        const mix::Entry bad = design.entryErrors.front().entry;
        print(stderr, "mixdesign: " + std::string(mix::entryRow(bad).option) +
                          (mix::isPrice(bad) ? " makes the cost of the pour too large to show\n"
                                             : " makes a figure of the pour too large to show\n") +
                          cli::synopsisText());
        return kUsage;
    }
    bool toStandardOutput = false;
    const std::pair<cli::Document, const std::optional<std::string>*> documents[] = {
        {cli::Document::Report, &options.pdfFile}, {cli::Document::Card, &options.cardFile}};
    for (const auto& [document, file] : documents) {
        if (!*file)
            continue;
        const cli::PdfRequest request{document, &design, (*file)->c_str()};
        if (const int status = cli::writePdf(request); status != 0)
            return status;
        toStandardOutput |= **file == "-";
    }
    // A PDF went to standard output: nothing else may follow it there.
    if (toStandardOutput)
        return kOk;
    return answer(options.json ? format::jsonDesign(design) : format::textReport(design));
}
