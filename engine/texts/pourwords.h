#pragma once

// Every blank is significant.

#include <string_view>

namespace mix::pourwords {

inline constexpr std::string_view kSheetTitle = "ใบสั่งวัสดุ";
inline constexpr std::string_view kNotANumber = "ไม่ใช่ตัวเลขที่ถูกต้อง";
inline constexpr std::string_view kMoreThanZero = "ต้องมากกว่า 0";
inline constexpr std::string_view kWasteRange = "ต้องอยู่ระหว่าง 0-50";
inline constexpr std::string_view kWholeBags = "ต้องเป็น 1, 2, 3, ... ถุง";
inline constexpr std::string_view kBagSize = "ต้องเป็น 50 หรือ 40 กก.";
inline constexpr std::string_view kTooSmall = "ต้องไม่น้อยกว่า ";
inline constexpr std::string_view kTooLarge = "มากเกินไปจนคำนวณไม่ได้";
inline constexpr std::string_view kUnitM3 = "  ลบ.ม.";
inline constexpr std::string_view kUnitBags = "  ถุง";
inline constexpr std::string_view kUnitTimes = "  ครั้ง";
inline constexpr std::string_view kCement = "ซีเมนต์";
inline constexpr std::string_view kWater = "น้ำ";
inline constexpr std::string_view kSand = "ทราย";
inline constexpr std::string_view kStone = "หิน";
inline constexpr std::string_view kAir = "อากาศ";
inline constexpr std::string_view kAdmixture = "น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kBatchesRow = "การผสม";
inline constexpr std::string_view kTotalHeader = "ทั้งหมด";
inline constexpr std::string_view kOrderHeader = "สั่ง";
inline constexpr std::string_view kPerBatchHeader = "ต่อการผสม 1 ครั้ง";
inline constexpr std::string_view kOneCubicMetre = "คอนกรีต 1 ลบ.ม.";
inline constexpr std::string_view kVolumePrompt = "ปริมาณคอนกรีตที่จะเท (ลบ.ม.)";
inline constexpr std::string_view kWastePrompt = "ส่วนเผื่อ (%)";
inline constexpr std::string_view kBagPrompt = "ขนาดถุงซีเมนต์ (กก.)";
inline constexpr std::string_view kBasketPrompt = "ปริมาตรบุ้งกี๋ (ลบ.ม.)";
inline constexpr std::string_view kPailPrompt = "ปริมาตรถังน้ำ (ลิตร)";
inline constexpr std::string_view kBagsPerBatchPrompt = "ซีเมนต์ต่อการผสม 1 ครั้ง (ถุง)";

} // namespace mix::pourwords
