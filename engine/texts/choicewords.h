#pragma once

// Every blank is significant.

#include <string_view>

// The items of the slump and stone lists, as the window lists them.
namespace mix::choicewords {

inline constexpr std::string_view kSlump75 = " 7.5 (บวก,ลบ)2.5  ";
inline constexpr std::string_view kSlump100 = " 10.0 (บวก,ลบ) 2.5";
inline constexpr std::string_view kSlump125 = " 12.5 (บวก,ลบ) 2.5";
inline constexpr std::string_view kStone1 = " หิน1";
inline constexpr std::string_view kStone2 = " หิน2";

} // namespace mix::choicewords
