#include "cli/pdfexport.h"

#include "cli/exitstatus.h"

#include <dlfcn.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

namespace cli {

namespace {

using exitstatus::kUnavailable;

// The module is built from the same sources as the command, so the request is the same struct.
using WritePdf = int(const PdfRequest*);

std::string executableFolder()
{
    std::string path(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0)
        return {};
    path.resize(size_t(n));
    return path.substr(0, path.rfind('/'));
}

// Beside the command in a build tree; in the package's private library folder once installed.
std::vector<std::string> modulePlaces()
{
    const std::string folder = executableFolder();
    return {folder + "/mixdesign-pdf.so", folder + "/" MIXDESIGN_PDF_MODULE_FROM_BINDIR};
}

} // namespace

// The report needs Qt, which costs every call several times the design itself just to load;
// so only --pdf and --card load it, through this module.
int writePdf(const PdfRequest& request)
{
    void* module = nullptr;
    std::string reason;
    for (const std::string& place : modulePlaces()) {
        module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module)
            break;
        reason = dlerror();
    }
    auto* write = module ? reinterpret_cast<WritePdf*>(dlsym(module, "mixdesign_write_pdf")) : nullptr;
    if (!write) {
        std::cerr << "mixdesign: cannot make a PDF: the report module is missing (" << reason << ")\n";
        return kUnavailable;
    }
    // Never unloaded: Qt's own clean-up at exit still runs code of the module.
    return write(&request);
}

} // namespace cli
