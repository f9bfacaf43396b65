#pragma once

#include <cstdint>
#include <optional>

namespace mix {

// Money in whole satang (1/100 baht), so a sum, a difference and the text of a figure are exact.
using Satang = std::int64_t;

// quantity × unit price to the satang, half to even. Both factors are taken as the decimals
// they read as (their shortest round-trip digits) and multiplied as integers, so a tie on paper
// (7.5 × 1357.29 = 10179.675) is a tie here and goes to even, which no binary product decides
// reliably. None when either is not finite or the amount runs past what a satang count holds.
std::optional<Satang> satangOfProduct(double quantity, double price);

// An amount shared out over `divisor` units (baht per m³), to the satang, half to even.
std::optional<Satang> satangOfQuotient(Satang amount, double divisor);

inline double bahtOf(Satang s) { return static_cast<double>(s) / 100; }

} // namespace mix
