#pragma once

// Every blank is significant.

#include <string_view>

// Where the concrete stands, for each exposure class, and the words of the verdict on a design.
// The window's and the page's choice of class show the descriptions beside the code.
namespace mix::exposurewords {

inline constexpr std::string_view kNone = "ไม่ระบุ";

inline constexpr std::string_view kX0 = "ในอาคารที่แห้งมาก หรือคอนกรีตไม่เสริมเหล็ก";
inline constexpr std::string_view kXC1 = "ในอาคารที่แห้ง หรือจมน้ำจืดตลอดเวลา";
inline constexpr std::string_view kXC2 = "เปียกเกือบตลอดเวลา นาน ๆ จะแห้ง เช่น ฐานราก";
inline constexpr std::string_view kXC3 = "ภายนอกใต้หลังคาที่กันฝน หรือในอาคารที่ชื้น";
inline constexpr std::string_view kXC4 = "ภายนอกที่ตากฝน เปียกสลับแห้ง";
inline constexpr std::string_view kXS1 = "ใกล้ทะเล ถูกอากาศที่มีไอเกลือ แต่ไม่ถูกน้ำทะเล";
inline constexpr std::string_view kXS2 = "จมอยู่ในน้ำทะเลตลอดเวลา";
inline constexpr std::string_view kXS3 = "ช่วงน้ำขึ้นน้ำลง คลื่นซัด หรือละอองน้ำทะเล";
inline constexpr std::string_view kXD1 = "ถูกละอองคลอไรด์ที่ไม่ได้มาจากทะเล ความชื้นปานกลาง";
inline constexpr std::string_view kXD2 = "เปียกเกือบตลอดเวลาด้วยน้ำที่มีคลอไรด์ เช่น สระว่ายน้ำ";
inline constexpr std::string_view kXD3 = "เปียกสลับแห้งด้วยน้ำที่มีคลอไรด์ เช่น พื้นลานจอดรถ";
inline constexpr std::string_view kXA1 = "ดินหรือน้ำใต้ดินที่มีสารเคมีกัดกร่อนเล็กน้อย เช่น ซัลเฟต";
inline constexpr std::string_view kXA2 = "ดินหรือน้ำใต้ดินที่มีสารเคมีกัดกร่อนปานกลาง";
inline constexpr std::string_view kXA3 = "ดินหรือน้ำใต้ดินที่มีสารเคมีกัดกร่อนรุนแรง";
inline constexpr std::string_view kS0 = "ดินหรือน้ำที่มีซัลเฟตน้อยมาก";
inline constexpr std::string_view kS1 = "ดินหรือน้ำที่มีซัลเฟตปานกลาง หรือน้ำทะเล";
inline constexpr std::string_view kS2 = "ดินหรือน้ำที่มีซัลเฟตสูง";
inline constexpr std::string_view kS3 = "ดินหรือน้ำที่มีซัลเฟตสูงมาก";
inline constexpr std::string_view kW0 = "แห้งตลอดการใช้งาน";
inline constexpr std::string_view kW1 = "ถูกน้ำ แต่ไม่ต้องกันน้ำซึม";
inline constexpr std::string_view kW2 = "ถูกน้ำ และต้องกันน้ำซึม เช่น ถังเก็บน้ำ";
inline constexpr std::string_view kC0 = "แห้ง หรือกันความชื้นได้";
inline constexpr std::string_view kC1 = "ถูกความชื้นหรือฝน แต่ไม่ถูกคลอไรด์ เช่น ภายนอกทั่วไป";
inline constexpr std::string_view kC2 = "ถูกความชื้นและคลอไรด์ เช่น น้ำทะเล ไอเกลือ น้ำกร่อย";

inline constexpr std::string_view kExposureCaption = "สภาพแวดล้อมที่ใช้งาน = ";
// The choice's own prompt, the caption without its " = ".
inline constexpr std::string_view kExposurePrompt = kExposureCaption.substr(0, kExposureCaption.size() - 3);
inline constexpr std::string_view kMeets = "ผ่านข้อกำหนดความคงทน";
inline constexpr std::string_view kFails = "ไม่ผ่านข้อกำหนดความคงทน : ";
inline constexpr std::string_view kFailWc = "W/C เกิน ";
inline constexpr std::string_view kFailCement = "ซีเมนต์น้อยกว่า ";
inline constexpr std::string_view kUnitKgPerM3 = "  กก./ลบ.ม.";
inline constexpr std::string_view kFailStrength = "กำลังอัดน้อยกว่า ";
inline constexpr std::string_view kSeparator = ", ";
inline constexpr std::string_view kLeastStrength = "กำลังอัดต่ำสุดที่ผ่าน = ";
inline constexpr std::string_view kNoStrength =
    "ไม่มีกำลังอัดที่วิธีนี้ออกแบบได้ที่ผ่าน ควรใช้ส่วนผสมที่ออกแบบเฉพาะ หรือคอนกรีตผสมเสร็จตามชั้นนี้";

// The chart of the method's water/cement ratio against strength.
inline constexpr std::string_view kChartTitle = "W/C ของวิธีนี้ตามกำลังอัด";
inline constexpr std::string_view kChartXLabel = "กำลังอัด (กก./ตร.ซม.)";
inline constexpr std::string_view kChartYLabel = "W/C";
inline constexpr std::string_view kChartMethod = "W/C ของวิธีนี้";
inline constexpr std::string_view kChartDesign = "ที่ออกแบบ ";
inline constexpr std::string_view kChartMaxWc = "W/C สูงสุด ";
inline constexpr std::string_view kChartMinStrength = "ต่ำสุด ";
inline constexpr std::string_view kChartLeast = "ต่ำสุดที่ผ่าน ";

} // namespace mix::exposurewords
