#pragma once

// Every blank is significant.

#include <string_view>

namespace mix::cardtext {

inline constexpr std::string_view kTitlePrefix = "การ์ดผสมคอนกรีต  ผสม 1 ครั้ง ใช้ซีเมนต์ ";
inline constexpr std::string_view kBags = " ถุง";
inline constexpr std::string_view kStrength = "กำลังอัด ";
inline constexpr std::string_view kSlump = "ค่ายุบตัว";
inline constexpr std::string_view kOneBasket = "บุ้งกี๋ 1 ใบ = ";
inline constexpr std::string_view kOnePail = "ถังน้ำ 1 ใบ = ";
inline constexpr std::string_view kOneBag = "ซีเมนต์ 1 ถุง = ";
inline constexpr std::string_view kDate = "วันที่ ";
inline constexpr std::string_view kGap = "     ";

} // namespace mix::cardtext
