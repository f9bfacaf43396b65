#pragma once

#include "engine/mixinputs.h"
#include "engine/picklists.h"

#include <string>

// The two worked examples of the design documents, used across the engine tests.
inline mix::MixInputs firstExample()
{
    mix::MixInputs in;
    in.strengthText = "240";
    in.cubeChecked = true;
    in.slumpItem = std::string(mix::slumpItems()[1]);
    in.stoneItem = std::string(mix::stoneItems()[1]);
    in.admixtureChecked = true;
    in.doseText = "250";
    in.moistureText = "5";
    return in;
}

inline mix::MixInputs secondExample()
{
    mix::MixInputs in;
    in.strengthText = "240";
    in.cylinderChecked = true;
    in.slumpItem = std::string(mix::slumpItems()[0]);
    in.stoneItem = std::string(mix::stoneItems()[0]);
    in.noAdmixtureChecked = true;
    in.moistureText = "3";
    return in;
}
