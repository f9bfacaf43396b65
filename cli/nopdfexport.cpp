#include "cli/pdfexport.h"

#include "cli/exitstatus.h"

#include <iostream>

namespace cli {

int writePdf(const PdfRequest&)
{
    std::cerr << "mixdesign: this build has no report support (configured with MIXDESIGN_GUI=OFF)\n";
    return exitstatus::kUnavailable;
}

} // namespace cli
