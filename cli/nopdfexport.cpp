#include "cli/pdfexport.h"

#include <iostream>

namespace cli {

int writePdf(const mix::MixInputs&, const std::string&, int, char**)
{
    std::cerr << "mixdesign: this build has no report support (configured with MIXDESIGN_GUI=OFF)\n";
    return 69;
}

} // namespace cli
