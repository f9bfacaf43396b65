#include "engine/calculate.h"
#include "engine/picklists.h"
#include "tests/fuzz/fuzzinput.h"

#include <cstdlib>

// Input: one byte of check boxes and pick-list choices, then the strength, dose and moisture
// texts (and, when chosen, free slump and stone texts), separated by NUL.
// Byte bits: 0 cube, 1 cylinder, 2 admixture, 3 no admixture, 4-5 slump item (3: free text),
// 6-7 stone item (2 and 3: free text).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t boxes = data[0];
    const std::vector<std::string> texts = splitAtNul(data + 1, size - 1);
    const auto text = [&texts](size_t i) { return i < texts.size() ? texts[i] : std::string(); };

    mix::MixInputs in;
    in.cubeChecked = boxes & 0x01;
    in.cylinderChecked = boxes & 0x02;
    in.admixtureChecked = boxes & 0x04;
    in.noAdmixtureChecked = boxes & 0x08;
    const unsigned slump = (boxes >> 4) & 0x3;
    const unsigned stone = (boxes >> 6) & 0x3;
    in.strengthText = text(0);
    in.doseText = text(1);
    in.moistureText = text(2);
    in.slumpItem = slump < 3 ? std::string(mix::slumpItems()[slump]) : text(3);
    in.stoneItem = stone < 2 ? std::string(mix::stoneItems()[stone]) : text(4);

    const auto outcome = mix::calculate(in);
    if (const auto* error = std::get_if<mix::CalcError>(&outcome)) {
        if (!isUtf8(error->message) || !isUtf8(error->title) || error->focus.empty())
            std::abort();
        return 0;
    }
    const auto& result = std::get<mix::CalcResult>(outcome);
    for (const auto& [control, value] : result.texts.items())
        if (control.empty() || !isUtf8(std::string(value)))
            std::abort();
    // Calculate is pure: the same inputs give the same design, text for text.
    if (!(std::get<mix::CalcResult>(mix::calculate(in)).texts == result.texts))
        std::abort();
    return 0;
}
