#pragma once

// Every blank is significant.

#include <string_view>

namespace mix::text {

inline constexpr std::string_view kUnitKgPerCm2 = "  กก./ตร.ซม.";
inline constexpr std::string_view kUnitCm = "  ซม.";
inline constexpr std::string_view kUnitLitrePerM3 = "  ลิตร/ลบ.ม. คอนกรีต";
inline constexpr std::string_view kUnitKg = "  กก.";
inline constexpr std::string_view kUnitKilogram = "  กิโลกรัม";
inline constexpr std::string_view kUnitLitre = "  ลิตร";
inline constexpr std::string_view kUnitCc = "  ซีซี";
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kSandAbsorption = "0.7 %";
inline constexpr std::string_view kWithAdmixture = "ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kWithoutAdmixture = "ไม่ใส่น้ำยาผสมคอนกรีต";
inline constexpr std::string_view kEquals = "=";
inline constexpr std::string_view kOneBag = " ซีเมนต์ 1 ถุง ( 50 kg.)";
inline constexpr std::string_view kAbout = "  ประมาณ";
inline constexpr std::string_view kPail = "  ถัง";
inline constexpr std::string_view kUnitCubicMetre = "  ลบ.ม.(คิว)";
inline constexpr std::string_view kBasket = "  บุ้งกี๋";
inline constexpr std::string_view kYieldPrefix = " ส่วนผสมต่อซีเมนต์ 1 ถุง ( 50 kg.)จะได้ปริมาณคอนกรีต=  ";
inline constexpr std::string_view kBasketNote =
    "  1 บุ้งกี๋มีปริมาตรโดยประมาณ 0.019 ลบ.ม.(คิว) และ ถังน้ำ 1 ใบมีปริมาตรโดยประมาณ 27 ลิตร หากใช้บุ้งกี๋หรือถังน้ำ ใหญ่หรือเล็กกว่านี้ "
    "ควรตวงปริมาตรให้เท่านี้ (คิดหน่วย นน.ของหินและทราย =1600 กก./ลบ.ม.";
inline constexpr std::string_view kIncomplete = "คุณป้อนข้อมูลไม่ครบ";
inline constexpr std::string_view kPatienceTitle = "ใจเย็นๆ";
inline constexpr std::string_view kSlump75 = " 7.5 (บวก,ลบ)2.5  ";
inline constexpr std::string_view kSlump100 = " 10.0 (บวก,ลบ) 2.5";
inline constexpr std::string_view kSlump125 = " 12.5 (บวก,ลบ) 2.5";
inline constexpr std::string_view kStone1 = " หิน1";
inline constexpr std::string_view kStone2 = " หิน2";
inline constexpr std::string_view kFinalFrameCaption = "ผลการคำนวณปรับสภาพความชื้น หิน-ทราย แล้ว ใน 1 ลบ.ม.";
inline constexpr std::string_view kFinalCement = "ซีเมนต์ (กก.) =";
inline constexpr std::string_view kFinalWater = "น้ำ (ลิตร) =";
inline constexpr std::string_view kFinalSand = "ทราย (กก.) =";
inline constexpr std::string_view kFinalStone = "หิน (กก.) =";
inline constexpr std::string_view kFinalAdmixture = "น้ำยาผสมคอนกรีต (ซีซี)=";
inline constexpr std::string_view kBagFrameCaption = "การผสมด้วยซีเมนต์ 1 ถุง ปรับสภาพ หิน-ทราย แล้ว ";
inline constexpr std::string_view kBagCement = "ซีเมนต์ =";
inline constexpr std::string_view kBagWater = "น้ำ =";
inline constexpr std::string_view kBagSand = "ทราย =";
inline constexpr std::string_view kBagStone = "หิน =";
inline constexpr std::string_view kBagAdmixture = "น้ำยาผสมคอนกรีต =";

} // namespace mix::text
