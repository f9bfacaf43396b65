#pragma once

// Every blank is significant.

#include <string_view>

// The message boxes of a refused Calculate.
namespace mix::errorwords {

inline constexpr std::string_view kIncomplete = "คุณป้อนข้อมูลไม่ครบ";
inline constexpr std::string_view kPatienceTitle = "ใจเย็นๆ";
inline constexpr std::string_view kStrengthField = "กำลังอัดคอนกรีต";
inline constexpr std::string_view kDoseField = "ปริมาณน้ำยาผสมคอนกรีต";
inline constexpr std::string_view kMoistureField = "ความชื้นทราย";
// "ค่า" + the field + one of these two.
inline constexpr std::string_view kValueOf = "ค่า";
inline constexpr std::string_view kNotANumber = "ไม่ใช่ตัวเลขที่ถูกต้อง กรุณาป้อนเฉพาะตัวเลข และจุดทศนิยมได้ไม่เกิน 1 จุด";
inline constexpr std::string_view kOverflow = "มากเกินไปจนคำนวณไม่ได้ กรุณาป้อนค่าที่น้อยลง";
inline constexpr std::string_view kStrengthOutOfRange = "กำลังอัดที่ต้องการอยู่นอกช่วงที่ออกแบบได้ "
                                                        "ออกแบบได้ประมาณ 90-390 กก./ตร.ซม. สำหรับตัวอย่างลูกบาศก์ "
                                                        "หรือ 75-325 กก./ตร.ซม. สำหรับตัวอย่างทรงกระบอก";
inline constexpr std::string_view kNegativeWater = "ทรายมีความชื้นมากเกินไป จนน้ำที่ต้องใส่ในส่วนผสมติดลบ "
                                                   "กรุณาตรวจสอบค่าความชื้นทราย";

} // namespace mix::errorwords
