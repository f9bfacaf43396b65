#include "cli/batch.h"
#include "tests/fuzz/fuzzinput.h"

#include <cstdlib>
#include <sstream>

// Input: a whole batch file. The first byte chooses the header so that most inputs reach the
// rows: 0 as given, 1 the seven design columns, 2 those and the pour's columns.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    static const char* const headers[] = {"", "strength,specimen,slump,stone,admixture,dose,moisture\n",
                                          ("strength,specimen,slump,stone,admixture,dose,moisture,volume,waste,"
                                           "bag_kg,basket,pail,bags_per_batch\n")};
    std::string csv = headers[data[0] % 3];
    csv.append(reinterpret_cast<const char*>(data + 1), size - 1);
    std::istringstream in(csv);
    std::ostringstream out, err;
    cli::Options options;
    options.batchFile = "-";
    const int status = cli::runBatch(in, out, err, options);
    if (status != 0 && status != 2 && status != 65)
        std::abort();
    // Valid UTF-8 JSON lines, one object a line; standard error may quote the input as it came.
    const std::string text = out.str();
    if (!isUtf8(text))
        std::abort();
    if (status == 65 && !text.empty())
        std::abort();
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos || text[start] != '{' || text[end - 1] != '}')
            std::abort();
        start = end + 1;
    }
    return 0;
}
