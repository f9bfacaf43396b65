#include "samplecaptions.h"

#include "detailscaptions.h"
#include "thaitexts.h"

#include <QHash>

#include <stdexcept>

namespace reporttest {

namespace {

QString fromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

mix::MixInputs firstWorkedExample()
{
    mix::MixInputs in;
    in.strengthText = "240";
    in.cubeChecked = true;
    in.slumpItem = std::string(mix::text::kSlump100);
    in.stoneItem = std::string(mix::text::kStone2);
    in.admixtureChecked = true;
    in.doseText = "250";
    in.moistureText = "5";
    return in;
}

mix::MixInputs secondWorkedExample()
{
    mix::MixInputs in;
    in.strengthText = "240";
    in.cylinderChecked = true;
    in.slumpItem = std::string(mix::text::kSlump75);
    in.stoneItem = std::string(mix::text::kStone1);
    in.noAdmixtureChecked = true;
    in.moistureText = "3";
    return in;
}

CalculatedWindow calculatedWindow(const mix::MixInputs& inputs)
{
    auto outcome = mix::calculate(inputs);
    auto* result = std::get_if<mix::CalcResult>(&outcome);
    if (!result)
        throw std::runtime_error("the sample design was refused");

    QHash<QString, QString> labels;
    for (const auto& fixed : kDetailsCaptions)
        labels.insert(fromUtf8(fixed.control), fromUtf8(fixed.text));
    for (const auto& [control, text] : result->texts.items())
        labels.insert(QString::fromStdString(control), QString::fromStdString(text));

    CalculatedWindow window;
    window.result = *result;
    window.mcement = result->numbers.design.mcement;
    window.caption = [labels](const QString& control) { return labels.value(control); };
    return window;
}

} // namespace reporttest
