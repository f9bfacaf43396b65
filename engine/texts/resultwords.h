#pragma once

// Every blank is significant.

#include <string_view>

namespace mix::resultwords {

inline constexpr std::string_view kUnitKgPerCm2 = "  กก./ตร.ซม.";
inline constexpr std::string_view kSpecimen = "  ตัวอย่าง";
inline constexpr std::string_view kCylinderToCube = " / 0.833 + 60 = ";
inline constexpr std::string_view kUnitCm = "  ซม.";
inline constexpr std::string_view kUnitLitrePerM3 = "  ลิตร/ลบ.ม. คอนกรีต";
inline constexpr std::string_view kUnitKg = "  กก.";
inline constexpr std::string_view kUnitKilogram = "  กิโลกรัม";
inline constexpr std::string_view kUnitLitre = "  ลิตร";
inline constexpr std::string_view kUnitCc = "  ซีซี";
inline constexpr std::string_view kPercent = "%";
inline constexpr std::string_view kSandAbsorption = "0.7 %";
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

} // namespace mix::resultwords
