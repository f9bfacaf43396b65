#pragma once

#include "engine/batch.h"

#include <cstdint>

namespace mix {

// Every stored result of one accepted Calculate. Integer fields are 16-bit and Single
// fields 32-bit floats on purpose: later steps see the values as rounded when stored.
struct MixDesign {
    std::int16_t F = 0;
    std::int16_t W = 0;
    std::int16_t P = 0;
    float mcement = 0;
    std::int16_t Weight = 0;
    std::int16_t VOLUM = 0;
    float WA = 0;
    float V1 = 0;
    float V2 = 0;
    float V3 = 0;
    float V4 = 0;
    float V5 = 0;
    std::int16_t V6 = 0;
    float V7 = 0;
    float V8 = 0;
    std::int16_t V9 = 0;
    float V10 = 0;
    std::int16_t SAND = 0;
    std::int16_t WSAND = 0;
    std::int16_t VGRAVEL = 0;
    std::int16_t WGRAVEL = 0;
    std::int16_t M = 0;
    std::int16_t VYA = 0;

    bool operator==(const MixDesign&) const = default;
};

// The mix per cubic metre at site resolution after the sand-moisture adjustment.
struct FinalMix {
    int cement = 0;    // kg
    int water = 0;     // litres
    int sand = 0;      // kg
    int stone = 0;     // kg
    int admixture = 0; // cc

    bool operator==(const FinalMix&) const = default;
};

// The batch for one bag of cement at the site's usual measures, each value already rounded as
// shown, and the concrete that bag yields.
struct PerBag : PourBatch {
    double yield = 0; // cubic metres of concrete per bag
};

// Every number one accepted Calculate produces, before any of it becomes text.
struct DesignNumbers {
    MixDesign design;
    FinalMix final;
    PerBag perBag;
    double freeMoisture = 0; // t, per cent
    int roundedSand = 0;     // R, the SSD sand at site resolution
    double excessWater = 0;  // R * t / 100, the water the moist sand brings
};

} // namespace mix
