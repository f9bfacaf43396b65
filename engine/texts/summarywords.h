#pragma once

// Every blank is significant.

#include <string_view>

// The captions of the final mix and the one-bag batch in the command's text summary.
namespace mix::summarywords {

inline constexpr std::string_view kFinalCement = "ซีเมนต์ (กก.) =";
inline constexpr std::string_view kFinalWater = "น้ำ (ลิตร) =";
inline constexpr std::string_view kFinalSand = "ทราย (กก.) =";
inline constexpr std::string_view kFinalStone = "หิน (กก.) =";
inline constexpr std::string_view kFinalAdmixture = "น้ำยาผสมคอนกรีต (ซีซี)=";
inline constexpr std::string_view kBagCement = "ซีเมนต์ =";
inline constexpr std::string_view kBagWater = "น้ำ =";
inline constexpr std::string_view kBagSand = "ทราย =";
inline constexpr std::string_view kBagStone = "หิน =";
inline constexpr std::string_view kBagAdmixture = "น้ำยาผสมคอนกรีต =";

} // namespace mix::summarywords
