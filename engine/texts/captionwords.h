#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace mix {

// A caption the window shows whatever the design: a label of the details pages, a frame's
// title, a check box. The report prints some of them beside the result texts, so the window
// and everything that prints or exports share this one table.
struct FixedCaption {
    std::string_view control; // the design name, "Label15(1)"
    std::string_view text;    // UTF-8
};

// Every blank is significant: the report prints these exactly as the window shows them.
// clang-format off
inline constexpr std::array<FixedCaption, 50> kFixedCaptions{{
    {"Label11", "ค่ายุบตัว="},
    {"Label78", "ขนาดหิน="},
    {"Label8", "1. ปริมาณน้ำที่ใช้เมื่อ"},
    {"Label13", "2. W/C="},
    {"Label15(1)", "3. จาก1และ2 ได้น้ำหนักซีเมนต์="},
    {"Label17(1)", "4. ปริมาตรซีเมนต์=น้ำหนักซีเมนต์/ถ.พ. ของซีเมนต์="},
    {"Label19(1)", "5. เนื่องจากที่หินใช้ขนาด"},
    {"Label21(1)", "จะได้ปริมาตรซีเมนต์+ทราย"},
    {"Label23(1)", "ดังนั้นปริมาตรทราย="},
    {"Label25", "6.น้ำหนักทราย=(ปริมาตรทราย*ถ.พ.ทราย)="},
    {"Label27(1)", "7.ปริมาตรหิน=(1000-ปริมาตรซีเมนต์-ปริมาตรทราย   -ปริมาตรน้ำ)="},
    {"Label29", "8.น้ำหนักหิน=(ปริมาตรหิน*ถ.พ.หิน)="},
    {"Label31(1)", "9.ปริมาณน้ำยาที่ใช้=น้ำหนักซีเมนต์*ปริมาณที่ใช้="},
    {"Label33(1)", "ซีเมนต์="},
    {"Label34(1)", "น้ำ="},
    {"Label35(1)", "ทราย="},
    {"Label36(1)", "หิน="},
    {"Label37(1)", "น้ำยาผสมคอนกรีต="},
    {"Label52", "ซีเมนต์="},
    {"Label51", "น้ำ="},
    {"Label50", "ทราย="},
    {"Label49", "หิน="},
    {"Label48", "น้ำยาผสมคอนกรีต="},
    {"Label53", "1.เนื่องจากกำหนดทรายมีความชื้น="},
    {"Label54", "2.และทรายมีค่าการดูดซึม="},
    {"Label55", "3.ดังนั้นความชื้นผิว=(1)-(2)="},
    {"Label56", "4.นั่นคือทราย"},
    {"Label58", "มีน้ำมากไป="},
    {"Label59", "5.ดังนั่นจะต้องชั่งทรายเพิ่มขึ้น="},
    {"Label60", "6.ฉนั้นจะต้องใส่น้ำในส่วนผสมทั้งสิ้น="},
    {"Label67", "ซีเมนต์="},
    {"Label68", "น้ำ="},
    {"Label69", "ทราย="},
    {"Label70", "หิน="},
    {"Label71", "น้ำยาผสมคอนกรีต="},
    {"Label2", "กำลังอัดคอนกรีต(กก./ตร.ซม.)"},
    {"Label3", "ค่ายุบตัว(ซม.)"},
    {"Label4", "ขนาดใหญ่สุดของหินที่ใช้"},
    {"Label27(0)", "กำหนดความชื้นทราย %(ใส่เฉพาะตัวเลข)"},
    {"Label26(0)", "ปริมาณน้ำยาที่ผู้ผลิตแนะนำ เช่น 250 ซีซี/100 กก. ใส่เฉพาะ ซีซี"},
    {"Check1", "ลูกบาศก์"},
    {"Check2", "ทรงกระบอก"},
    {"Check3", "ใส่น้ำยาผสมคอนกรีต"},
    {"Check4", "ไม่ใส่น้ำยาผสมคอนกรีต"},
    {"Frame1", "ความต้องการ"},
    {"Frame2", "รายละเอียดการคำนวณที่ยังไม่ปรับสภาพ หิน-ทราย"},
    {"Frame5", "รายละเอียดการคำนวณที่ปรับสภาพ หิน-ทรายแล้ว"},
    {"Frame6(1)", "ส่วนผสมที่ปรับสภาพ หิน-ทราย และความละเอียดแล้ว"},
    {"Frame4(0)", "ผลการคำนวณปรับสภาพความชื้น หิน-ทราย แล้ว ใน 1 ลบ.ม."},
    {"Frame6(0)", "การผสมด้วยซีเมนต์ 1 ถุง ปรับสภาพ หิน-ทราย แล้ว "},
}};
// clang-format on

inline std::span<const FixedCaption> fixedCaptions() { return kFixedCaptions; }

// The fixed caption of `control`, or nothing when the control's text comes from a Calculate
// (or it has none).
constexpr std::optional<std::string_view> fixedCaption(std::string_view control)
{
    const auto found = std::find_if(kFixedCaptions.begin(), kFixedCaptions.end(),
                                    [control](const FixedCaption& c) { return c.control == control; });
    if (found == kFixedCaptions.end())
        return std::nullopt;
    return found->text;
}

// The caption of a control that has one, found while compiling: the texts that repeat a
// caption take it from here rather than keeping a copy.
consteval std::string_view captionOf(std::string_view control) { return *fixedCaption(control); }

} // namespace mix
