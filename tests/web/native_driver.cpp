// Reads one record of entries a line, as JSON (as the page sends it), and writes each
// design's JSON line; with --captions, writes the captions' JSON instead. For comparison with
// the WebAssembly build.
#include "web/webapi.h"

#include <iostream>
#include <string>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc > 1 && std::string_view(argv[1]) == "--captions") {
        std::cout << web::captionsJson() << '\n';
        return 0;
    }
    std::string line;
    while (std::getline(std::cin, line))
        std::cout << web::designJson(line) << '\n';
}
