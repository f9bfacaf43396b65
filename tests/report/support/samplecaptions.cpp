#include "tests/report/support/samplecaptions.h"

#include "tests/support/workedexamples.h"

#include <stdexcept>

namespace reporttest {

mix::MixInputs firstWorkedExample() { return firstExample(); }

mix::MixInputs secondWorkedExample() { return secondExample(); }

CalculatedWindow calculatedWindow(const mix::MixInputs& inputs)
{
    auto outcome = mix::calculate(inputs);
    auto* result = std::get_if<mix::CalcResult>(&outcome);
    if (!result)
        throw std::runtime_error("the sample design was refused");
    return {*result};
}

mix::EntryTexts pourEntries(std::initializer_list<std::pair<mix::Entry, const char*>> typed)
{
    mix::EntryTexts texts;
    for (const auto& [entry, text] : typed)
        texts[static_cast<size_t>(entry)] = text;
    return texts;
}

mix::Design calculatedDesign(const mix::MixInputs& inputs, const mix::EntryTexts& pour)
{
    mix::Design design = mix::designOf({inputs, pour});
    if (!design.result || !design.entryErrors.empty())
        throw std::runtime_error("the sample design or its pour was refused");
    return design;
}

} // namespace reporttest
