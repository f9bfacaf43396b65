#pragma once

// Literal copies of the pictures' tooltips.

#include <array>
#include <utility>

inline constexpr std::array<std::pair<const char*, const char*>, 6> pictureTooltips{{
    {"Image1", "ดลิ๊กเพื่อเข้าสู่ Website"},
    {"Image2", "กำลังอัดประลัย fc' ที่อายุ 28 วัน"},
    {"Image3", "ค่ายุบมาตราฐานเมื่อใช้หินย่อยและทรายแม่น้ำที่อยู่ในสภาพอิ่มตัวผิวแห้ง(SSD)***สำหรับโครงสร้างทั่วๆไปใช้  "
               "7.5(บวก,ลบ)2.5***เสาหรือผนังใช้ 10.0(บวก,ลบ)2.5*** งานที่เทด้วยคอนกรีตปั๊มใช้ 12.0(บวก,ลบ)2.5"},
    {"Image4", "หินที่ใช้ผสมคอนกรีต เบอร์1 มีขนาด 3/16 - 3/4 นิ้ว , หินเบอร์2 มีขนาด 3/4 - 1 1/2 นิ้ว"},
    {"Image5", "ทรายแม่น้ำที่ใช้อยู่ทั่วๆไปในประเทศไทย ซึ่งอยู่ในสภาพเปียก ทั่วไปมีค่าความชื้นทั้งหมดอยู่ระหว่าง 2-8%"},
    {"Image6", "น้ำยาผสมคอนกรีตประเภทลดน้ำและยืดเวลาการแข็งตัว"},
}};

inline constexpr std::array<const char*, 5> tabCaptions{"ป้อนข้อมูล", "รายละเอียดการคำนวณ", "ข้อกำหนด", "วางแผนการเท",
                                                        "ผลทดสอบกำลังอัด"};

inline constexpr std::array<const char*, 3> menuCaptions{"หลัก", "On The Web", "เกี่ยวกับ..."};

inline constexpr std::array<std::pair<const char*, const char*>, 12> menuEntries{{
    {"setprint", "ตั้งค่าเครื่องพิมพ์"},
    {"preview", "ตัวอย่างก่อนพิมพ์..."},
    {"printcard", "พิมพ์การ์ดผสม..."},
    {"savecardpdf", "บันทึกการ์ดเป็น PDF..."},
    {"savepdf", "บันทึกรายงานเป็น PDF..."},
    {"exitme", "ออกจากโปรแกรม"},
    {"club", "Bolmiradex Club"},
    {"crose", "อบรม-สัมนา"},
    {"shop", "เลือกซื้อสินค้า"},
    {"download", "ดาวน์โหลด"},
    {"educate", "บทความ-ความรู้"},
    {"product", "เกี่ยวกับผลิตภัณฑ์"},
}};
