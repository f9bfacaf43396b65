#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mix {

// Where the concrete will stand, as the two codes Thai engineers design to class it. Frost
// classes are left out: there is no frost in Thailand. `None` is the class left open, and
// every output is then what it was before classes were known.
enum class Exposure {
    None,
    X0,
    XC1,
    XC2,
    XC3,
    XC4,
    XS1,
    XS2,
    XS3,
    XD1,
    XD2,
    XD3,
    XA1,
    XA2,
    XA3,
    S0,
    S1,
    S2,
    S3,
    W0,
    W1,
    W2,
    C0,
    C1,
    C2,
};
inline constexpr std::size_t kExposureCount = 24; // the classes, None not counted

enum class Standard { En206, Aci318 };

// One class's limiting values: EN 206 Table F.1 (the recommended values) and ACI 318-19
// Table 19.3.2.1 (SI; S3 by its second option, which asks for no particular binder).
struct ExposureRule {
    Exposure exposure;
    std::string_view code;
    Standard standard;
    std::optional<float> maxWc;       // a Single, as the design's WA is
    std::optional<int> minCementKg;   // per m³; ACI sets none
    double minCylinderMpa;            // fck,cyl for EN 206, f'c for ACI 318
    std::optional<double> minCubeMpa; // fck,cube; ACI gives cylinders only
    std::string_view description;     // where the concrete stands, in plain Thai
};

extern const std::array<ExposureRule, kExposureCount> kExposureTable;

// The class's row; null for None.
const ExposureRule* exposureRule(Exposure exposure);
// By its code, capitals or not ("XC3", "xc3"); empty for anything else, "" included.
std::optional<Exposure> exposureByCode(std::string_view code);
std::string_view standardName(Standard standard); // "EN 206", "ACI 318"
// Every code in table order, "X0, XC1, ..., C2", for a message that says what is taken.
std::string exposureCodeList();

} // namespace mix
