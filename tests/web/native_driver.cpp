// Reads designs as lines of fifteen tab-separated fields (the texts as typed, the check states
// as 0 or 1, in the order of the page's Calculate call, the planner's six entries last) and
// writes each one's JSON line, for comparison with the WebAssembly build.
#include "web/webapi.h"

#include <iostream>
#include <sstream>
#include <string>

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream fields(line);
        std::string f[15];
        for (std::string& s : f)
            std::getline(fields, s, '\t');
        mix::MixInputs in;
        in.strengthText = f[0];
        in.cubeChecked = f[1] == "1";
        in.cylinderChecked = f[2] == "1";
        in.slumpItem = f[3];
        in.stoneItem = f[4];
        in.admixtureChecked = f[5] == "1";
        in.noAdmixtureChecked = f[6] == "1";
        in.doseText = f[7];
        in.moistureText = f[8];
        std::cout << web::calculateJson(in, {f[9], f[10], f[11], f[12], f[13], f[14]}) << '\n';
    }
}
