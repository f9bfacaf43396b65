#pragma once

// Every blank is significant.

#include <string_view>

namespace print::text {

// The paper prompt names how many sheets are still to come; the two-sheet report's says "1".
inline constexpr std::string_view kPaperPromptHead = "ยังเหลืออีก ";
inline constexpr std::string_view kPaperPromptTail = " แผ่น ครับ กด Ok เพื่อพิมพ์ต่อ";
inline constexpr std::string_view kPaperPromptTitle = "โปรดเตรียมกระดาษ";
inline constexpr std::string_view kPrinterSetup = "ตั้งค่าเครื่องพิมพ์";
inline constexpr std::string_view kSavePdfMenu = "บันทึกรายงานเป็น PDF...";
inline constexpr std::string_view kPreviewMenu = "ตัวอย่างก่อนพิมพ์...";

// The first words of the file names offered for the report and the card, and the specimen
// after the strength.
inline constexpr std::string_view kReportFileName = "รายการคำนวณ";
inline constexpr std::string_view kCardFileName = "การ์ดผสม";
inline constexpr std::string_view kAcceptanceFileName = "ผลทดสอบกำลังอัด";
inline constexpr std::string_view kCube = "ลูกบาศก์";
inline constexpr std::string_view kCylinder = "ทรงกระบอก";

} // namespace print::text
