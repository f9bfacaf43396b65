#include "tests/report/support/samplecaptions.h"

#include "engine/thaitexts.h"
#include "tests/support/fixedcaptions.h"

#include "ui/common/utf8text.h"
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

    QHash<QString, QString> labels;
    for (const auto& [control, text] : fixedCaptions)
        labels.insert(fromUtf8(control), fromUtf8(text));
    for (const auto& [control, text] : result->texts.items())
        labels.insert(fromUtf8(control), fromUtf8(text));

    CalculatedWindow window;
    window.result = *result;
    window.mcement = result->numbers.design.mcement;
    window.caption = [labels](const QString& control) { return labels.value(control); };
    return window;
}

} // namespace reporttest
