#pragma once

// Every blank is significant.

#include <string_view>

namespace print::text {

inline constexpr std::string_view kPaperPrompt = "ยังเหลืออีก 1 แผ่น ครับ กด Ok เพื่อพิมพ์ต่อ";
inline constexpr std::string_view kPaperPromptTitle = "โปรดเตรียมกระดาษ";
inline constexpr std::string_view kPrinterSetup = "ตั้งค่าเครื่องพิมพ์";
inline constexpr std::string_view kSavePdfMenu = "บันทึกรายงานเป็น PDF...";
inline constexpr std::string_view kPreviewMenu = "ตัวอย่างก่อนพิมพ์...";

} // namespace print::text
