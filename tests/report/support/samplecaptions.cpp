#include "tests/report/support/samplecaptions.h"

#include "engine/thaitexts.h"
#include "tests/support/fixedcaptions.h"

#include "report/utf8text.h"
#include <QHash>

#include <stdexcept>

namespace reporttest {

namespace {

} // namespace

mix::MixInputs firstWorkedExample()
{
    return {.strengthText = "240",
            .cubeChecked = true,
            .slumpItem = std::string(mix::text::kSlump100),
            .stoneItem = std::string(mix::text::kStone2),
            .admixtureChecked = true,
            .doseText = "250",
            .moistureText = "5"};
}

mix::MixInputs secondWorkedExample()
{
    return {.strengthText = "240",
            .cylinderChecked = true,
            .slumpItem = std::string(mix::text::kSlump75),
            .stoneItem = std::string(mix::text::kStone1),
            .noAdmixtureChecked = true,
            .doseText = {},
            .moistureText = "3"};
}

CalculatedWindow calculatedWindow(const mix::MixInputs& inputs)
{
    auto outcome = mix::calculate(inputs);
    auto* result = std::get_if<mix::CalcResult>(&outcome);
    if (!result)
        throw std::runtime_error("the sample design was refused");
    return {*result};
}

} // namespace reporttest
