#include "cli/results.h"

#include "cli/batchinput.h"
#include "cli/exitstatus.h"
#include "cli/printable.h"
#include "engine/numbers.h"
#include "format/resultsheet.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <istream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace cli {

using namespace exitstatus;

std::variant<mix::Acceptance, int> judgeResultsFile(const Options& options, std::ostream& err)
{
    const auto specified = mix::parseNumber(options.entries.design.strengthText);
    if (!specified || !std::isfinite(*specified) || *specified <= 0) {
        err << "mixdesign: --strength must be a positive number of kg/cm2 with --results\n" << synopsisText();
        return kUsage;
    }
    const bool standardInput = *options.resultsFile == "-";
#ifdef _WIN32
    if (standardInput)
        _setmode(_fileno(stdin), _O_BINARY);
#endif
    const std::string name = standardInput ? "standard input" : printable(*options.resultsFile);
    std::FILE* file = standardInput ? stdin : std::fopen(options.resultsFile->c_str(), "rb");
    if (!file) {
        err << "mixdesign: cannot open " << name << ": " << std::strerror(errno) << "\n";
        return kNoInput;
    }
    BatchInput input(file);
    std::istream in(&input);
    format::SheetRead read;
    try {
        read = format::readResultsSheet(in);
    } catch (const ReadError& failed) {
        if (!standardInput)
            std::fclose(file);
        err << "mixdesign: cannot read " << name << ": " << std::strerror(failed.error) << "\n";
        return kIoError;
    }
    if (!standardInput)
        std::fclose(file);
    if (const auto* bad = std::get_if<format::SheetError>(&read)) {
        err << "mixdesign: " << name << ": " << printable(bad->english()) << "\nmixdesign: " << name << ": "
            << printable(bad->thai()) << "\n";
        return kDataError;
    }
    const mix::Specimen specimen = options.entries.design.cubeChecked ? mix::Specimen::Cube : mix::Specimen::Cylinder;
    return mix::judgeResults(*specified, specimen, std::get<std::vector<mix::StrengthRow>>(read));
}

} // namespace cli
