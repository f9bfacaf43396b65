#pragma once

#include "engine/mixinputs.h"

// The two designs worked through by hand, as the data-entry page holds them; the pick-list
// texts are literal copies, every blank significant.

// 240 on cubes, slump 10.0, stone 2, admixture 250 cc per 100 kg, sand moisture 5 %.
inline mix::MixInputs firstExample()
{
    return {.strengthText = "240",
            .cubeChecked = true,
            .cylinderChecked = false,
            .slumpItem = " 10.0 (บวก,ลบ) 2.5",
            .stoneItem = " หิน2",
            .admixtureChecked = true,
            .noAdmixtureChecked = false,
            .doseText = "250",
            .moistureText = "5"};
}

// 240 on cylinders, slump 7.5, stone 1, no admixture, sand moisture 3 %.
inline mix::MixInputs secondExample()
{
    return {.strengthText = "240",
            .cubeChecked = false,
            .cylinderChecked = true,
            .slumpItem = " 7.5 (บวก,ลบ)2.5  ",
            .stoneItem = " หิน1",
            .admixtureChecked = false,
            .noAdmixtureChecked = true,
            .doseText = "",
            .moistureText = "3"};
}
