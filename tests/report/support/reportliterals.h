#pragma once

// Literal copies of the printed report's fixed texts; every blank is significant.

#include <string_view>

namespace reporttest {

inline constexpr std::string_view kPrintedTitle = " รายการคำนวณ ออกแบบอัตราส่วนผสมคอนกรีต ";
inline constexpr std::string_view kPrintedEngineer = " วิศวกร : ";
inline constexpr std::string_view kPrintedStrengthWanted = "กำลังที่ต้องการ=  ";
inline constexpr std::string_view kPrintedStrengthProduced = "กำลังอัดที่ผลิต(กำลังอัดที่ต้องการ+ส่วนเผื่อ 60 กก/ตร.ซม.)=  ";
inline constexpr std::string_view kPrintedHeadingSsd = ".....รายการคำนวณที่ยังไม่ได้ปรับสภาพความชื้นหินทราย.....";
inline constexpr std::string_view kPrintedHeadingUnrounded = ".....ส่วนผสมที่ยังไม่ได้ปรับความละเอียด ใน 1 ลบ.ม. .....";
inline constexpr std::string_view kPrintedHeadingRounded = ".....ส่วนผสมที่ปรับความละเอียดแล้ว ใน 1 ลบ.ม. .....";
inline constexpr std::string_view kPrintedHeadingMoisture = ".....รายการคำนวณที่ปรับสภาพความชื้นหินทรายแล้ว ใน 1 ลบ.ม. .....";
inline constexpr std::string_view kPrintedHeadingFinal = "***** ส่วนผสมที่ปรับสภาพความชื้นหินทรายแล้ว ใน 1 ลบ.ม.*****";
inline constexpr std::string_view kPrintedBagHeading = " *** อัตราส่วนผสมต่อซีเมนต์ 1 ถุง ปรับสภาพหิน/ทรายแล้ว ***";
inline constexpr std::string_view kPrintedBagCement = "ซีเมนต์ = ";
inline constexpr std::string_view kPrintedBagWater = "น้ำ = ";
inline constexpr std::string_view kPrintedBagSand = "ทราย = ";
inline constexpr std::string_view kPrintedBagStone = "หิน = ";
inline constexpr std::string_view kPrintedBagAdmixture = "น้ำยาผสมคอนกรีต = ";
inline constexpr std::string_view kPrintedKilogram = "  กิโลกรัม";
inline constexpr std::string_view kPrintedNoteHeading = "***หมายเหตุ***  ";
inline constexpr std::string_view kPrintedYieldPrefix = "ส่วนผสมต่อซีเมนต์ 1 ถุง ( 50 kg.)จะได้ปริมาณคอนกรีต=  ";
inline constexpr std::string_view kPrintedYieldUnit = "  ลบ.ม.(คิว) ";
inline constexpr std::string_view kPrintedBasketNote =
    "1 บุ้งกี๋มีปริมาตรโดยประมาณ 0.019 ลบ.ม.(คิว) และ ถังน้ำ 1 ใบมีปริมาตรโดยประมาณ 27 ลิตร  ";
inline constexpr std::string_view kPrintedOtherSizesNote =
    "หากใช้บุ้งกี๋หรือถังน้ำ ใหญ่หรือเล็กกว่านี้ ควรตวงปริมาตรให้เท่านี้ (คิดหน่วย นน.ของหินและทราย =1600 กก./ลบ.ม.)  ";

} // namespace reporttest
