#pragma once

#include "engine/acceptance.h"

#include <string>
#include <vector>

namespace mix {

// A judgement in lines of Thai, for the command's text, the acceptance sheet and the window:
// figures to 2 decimals, tests numbered from 1 as the engineer counts them.
struct AcceptanceText {
    std::string title;
    std::string specified;  // the strength and the specimen
    std::string statistics; // how many tests, their mean, spread and lowest
    std::string testsHeading;
    std::vector<std::string> tests;
    std::string otherAgesHeading; // empty when every row is of 28 days
    std::vector<std::string> otherAges;
    std::string aciHeading; // with the verdict
    std::vector<std::string> aci;
    std::string enHeading;
    std::vector<std::string> en;
    std::string required;                  // f'cr
    std::string requiredBasis;             // from the spread or from the table
    std::vector<std::string> marginAdvice; // whether the method's 60 is enough, in plain words
};

AcceptanceText acceptanceText(const Acceptance& acceptance);

// A figure as shown: 2 decimals, half to even ("240.00").
std::string kscText(double ksc);

} // namespace mix
