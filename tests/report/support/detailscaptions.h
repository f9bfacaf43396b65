#pragma once

// Generated from the window's captions; every blank is significant.

#include <string_view>

namespace reporttest {

struct FixedCaption {
    std::string_view control;
    std::string_view text;
};

// The fixed captions of the details page that the report prints beside the value labels.
inline constexpr FixedCaption kDetailsCaptions[] = {
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
    {"Label53", "1.เนื่องจากกำหนดทรายมีความชื้น="},
    {"Label54", "2.และทรายมีค่าการดูดซึม="},
    {"Label55", "3.ดังนั้นความชื้นผิว=(1)-(2)="},
    {"Label56", "4.นั่นคือทราย"},
    {"Label58", "มีน้ำมากไป="},
    {"Label59", "5.ดังนั่นจะต้องชั่งทรายเพิ่มขึ้น="},
    {"Label60", "6.ฉนั้นจะต้องใส่น้ำในส่วนผสมทั้งสิ้น="},
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
    {"Label67", "ซีเมนต์="},
    {"Label68", "น้ำ="},
    {"Label69", "ทราย="},
    {"Label70", "หิน="},
    {"Label71", "น้ำยาผสมคอนกรีต="},
};

} // namespace reporttest
