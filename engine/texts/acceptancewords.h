#pragma once

// The acceptance of strength results in Thai. Every blank is significant.

#include <string_view>

namespace mix::acceptancewords {

inline constexpr std::string_view kTitle = "บันทึกการตรวจรับกำลังอัดคอนกรีต";
inline constexpr std::string_view kDate = "วันที่ ";
inline constexpr std::string_view kSpecified = "กำลังอัดที่กำหนด f'c = ";
inline constexpr std::string_view kTests = "ผลทดสอบอายุ 28 วัน ";
inline constexpr std::string_view kTestCount = " ผล";
inline constexpr std::string_view kMean = "  เฉลี่ย ";
inline constexpr std::string_view kSd = "  ส่วนเบี่ยงเบนมาตรฐาน ";
inline constexpr std::string_view kNoSd = "-";
inline constexpr std::string_view kMin = "  ต่ำสุด ";
inline constexpr std::string_view kLowest = kMin.substr(2);
inline constexpr std::string_view kSpecimens = " ก้อน)";
inline constexpr std::string_view kLow = "  ต่ำ: ";
inline constexpr std::string_view kTestList = "ผลทดสอบอายุ 28 วัน (เฉลี่ยของแต่ละตัวอย่าง)";
inline constexpr std::string_view kChartTitle = "ผลทดสอบตามลำดับ";
inline constexpr std::string_view kChartX = "ผลที่";
inline constexpr std::string_view kChartTests = "ผลทดสอบ";
inline constexpr std::string_view kChartMeans = "เฉลี่ย 3 ผล";
inline constexpr std::string_view kOtherAges = "ผลอายุอื่น (ไม่นำมาตัดสิน)";
inline constexpr std::string_view kAge = "  อายุ ";
inline constexpr std::string_view kDays = " วัน";

inline constexpr std::string_view kMeets = "ผ่าน";
inline constexpr std::string_view kFails = "ไม่ผ่าน";
inline constexpr std::string_view kAciHeading = "ACI 318-19 ข้อ 26.12.3.1: ";
inline constexpr std::string_view kEnHeading = "EN 206 ช่วงเริ่มผลิต: ";
inline constexpr std::string_view kAciMeans = "(ก) เฉลี่ย 3 ผลติดกันทุกชุด ไม่ต่ำกว่า ";
inline constexpr std::string_view kAciSingle = "(ข) ทุกผล ไม่ต่ำกว่า ";
inline constexpr std::string_view kEnMeans = "เฉลี่ย 3 ผลติดกันทุกชุด ไม่ต่ำกว่า ";
inline constexpr std::string_view kEnSingle = "ทุกผล ไม่ต่ำกว่า ";
inline constexpr std::string_view kTooFewForMeans = ": ผลไม่ถึง 3 ผล ยังไม่ตัดสิน";
inline constexpr std::string_view kLowAt = ": ต่ำที่ผลที่ ";
inline constexpr std::string_view kMeetsAfter = ": ผ่าน";
inline constexpr std::string_view kThrough = " ถึง ";

inline constexpr std::string_view kRequired = "กำลังอัดเฉลี่ยที่ต้องการ f'cr (ACI 301, ACI 318-11 ข้อ 5.3.2) = ";
inline constexpr std::string_view kFromSd = "จากส่วนเบี่ยงเบนมาตรฐานของผล ";
inline constexpr std::string_view kFromTable = "ผลไม่ถึง 15 ผล ใช้ค่าเผื่อตามตารางสำหรับหน่วยงานที่ยังไม่มีสถิติ";
inline constexpr std::string_view kMargin = "ส่วนเผื่อที่สูตรนี้บวกไว้ ";
inline constexpr std::string_view kMarginEnough = " พอแล้ว: ผลชุดนี้ต้องการเผื่ออย่างน้อย ";
inline constexpr std::string_view kMarginShort = " ไม่พอ: ผลชุดนี้ต้องการเผื่ออย่างน้อย ";
inline constexpr std::string_view kRaiseStrength = "ควรกรอกกำลังอัดที่ต้องการเพิ่มอีก ";
inline constexpr std::string_view kOrSteadier = " หรือคุมการผสมให้สม่ำเสมอขึ้น";

inline constexpr std::string_view kSignature = "ลงชื่อ ........................................ วิศวกรผู้ตรวจรับ";
inline constexpr std::string_view kSignatureName =
    "      (........................................)   วันที่ ........./........./.........";

// Why a results sheet is not judged, after "บรรทัด N: ".
inline constexpr std::string_view kLine = "บรรทัด ";
inline constexpr std::string_view kSheetEmpty = "ไฟล์ว่าง ไม่มีหัวตาราง";
inline constexpr std::string_view kNoColumn = "ไม่มีคอลัมน์ ";
inline constexpr std::string_view kSampleColumn = " (ชื่อตัวอย่าง)";
inline constexpr std::string_view kStrengthColumn = " (กำลังอัด กก./ตร.ซม.)";
inline constexpr std::string_view kColumnTwice = "มีคอลัมน์ซ้ำ ";
inline constexpr std::string_view kUnreadable = "รูปแบบ CSV ไม่ถูกต้อง";
inline constexpr std::string_view kTooManyCells = "มีช่องมากกว่าหัวตาราง";
inline constexpr std::string_view kNoSample = "ไม่มีชื่อตัวอย่าง";
inline constexpr std::string_view kBadStrength1 = "กำลังอัด ";
inline constexpr std::string_view kBadAge1 = "อายุ ";
inline constexpr std::string_view kNotPositive = " ไม่ใช่ตัวเลขที่มากกว่าศูนย์";
inline constexpr std::string_view kNoTwentyEightDay = "จบไฟล์แล้วไม่มีผลทดสอบอายุ 28 วัน";

} // namespace mix::acceptancewords
