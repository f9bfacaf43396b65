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

} // namespace reporttest
