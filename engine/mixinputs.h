#pragma once

#include <string>

namespace mix {

// The data-entry controls as they stand when Calculate is pressed; texts exactly as typed
// or picked (UTF-8), since several of them are shown again verbatim.
struct MixInputs {
    std::string strengthText;        // Text2
    bool cubeChecked = false;        // Check1
    bool cylinderChecked = false;    // Check2
    std::string slumpItem;           // Combo1
    std::string stoneItem;           // Combo2
    bool admixtureChecked = false;   // Check3
    bool noAdmixtureChecked = false; // Check4
    std::string doseText;            // Text3
    std::string moistureText;        // Text4

    bool operator==(const MixInputs&) const = default;
};

} // namespace mix
