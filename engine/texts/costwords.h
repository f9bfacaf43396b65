#pragma once

// Every blank is significant.

#include <string_view>

namespace mix::costtext {

inline constexpr std::string_view kCementPrompt = "ราคาซีเมนต์ (บาท/ถุง)";
inline constexpr std::string_view kSandPrompt = "ราคาทราย (บาท/ลบ.ม.)";
inline constexpr std::string_view kStonePrompt = "ราคาหิน (บาท/ลบ.ม.)";
inline constexpr std::string_view kAdmixturePrompt = "ราคาน้ำยา (บาท/ลิตร)";
inline constexpr std::string_view kReadyMixPrompt = "ราคาผสมเสร็จ (บาท/ลบ.ม.)";
inline constexpr std::string_view kPriceTooLarge = "ต้องไม่เกิน 10000000 บาท";
inline constexpr std::string_view kHeading = "ค่าวัสดุ";
inline constexpr std::string_view kUnitBaht = "  บาท";
inline constexpr std::string_view kTimes = " x ";
inline constexpr std::string_view kTotal = "รวมค่าวัสดุ";
inline constexpr std::string_view kPerM3 = "เฉลี่ยต่อคอนกรีต 1 ลบ.ม.";
inline constexpr std::string_view kReadyMix = "คอนกรีตผสมเสร็จ";
inline constexpr std::string_view kSiteCheaper = "ผสมเองถูกกว่าคอนกรีตผสมเสร็จ";
inline constexpr std::string_view kSiteDearer = "ผสมเองแพงกว่าคอนกรีตผสมเสร็จ";
inline constexpr std::string_view kSiteSame = "ผสมเองราคาเท่ากับคอนกรีตผสมเสร็จ";
inline constexpr std::string_view kUnpriced = "ยังไม่มีราคา: ";
inline constexpr std::string_view kNoVerdict = " จึงยังเทียบกับคอนกรีตผสมเสร็จไม่ได้";
inline constexpr std::string_view kNotCounted = "(ไม่รวมค่าแรงและค่าเช่าเครื่องผสม)";

} // namespace mix::costtext
