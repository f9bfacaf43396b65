#pragma once

// Every blank is significant.

#include <string_view>

// The stone sizes the calculation assumes for each item of the stone list: the water and the
// fine part of the criteria are those of these sizes.
namespace mix::stonewords {

inline constexpr std::string_view kStone1Size = "หิน1: 1 นิ้ว ถึงตะแกรงเบอร์ 4";
inline constexpr std::string_view kStone2Size = "หิน2: 3/4 นิ้ว ถึงตะแกรงเบอร์ 4";

} // namespace mix::stonewords
