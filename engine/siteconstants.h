#pragma once

namespace mix::site {

// The measures a site mixes with unless told otherwise: the per-bag batch is a pour's batch
// at these settings, and the second sheet prints them as the assumed sizes.
inline constexpr double kBagKg = 50;
inline constexpr double kBasketM3 = 0.019;
inline constexpr double kPailLitres = 27;
// kg per m³ of sand or stone as a basket holds it, loose.
inline constexpr double kLooseUnitWeight = 1600;
inline constexpr double kWastePercent = 5;

} // namespace mix::site
