#pragma once

// Every blank is significant.

#include "format/layoutrow.h"

namespace format::layout {

// clang-format off
inline constexpr Row kSheet1[] = {
    {3900, 800, true, {text(" รายการคำนวณ ออกแบบอัตราส่วนผสมคอนกรีต ")}},  // 1.1
    {1000, 1400, false, {text(" วิศวกร : ")}},  // 1.2
    {900, 1800, false, {text("กำลังที่ต้องการ=  "), label("Label7"), label("specimenNote")}},  // 1.3
    {900, 2100, false, {text("กำลังอัดที่ผลิต(กำลังอัดที่ต้องการ+ส่วนเผื่อ 60 กก/ตร.ซม.)=  "), label("Label5(2)"), label("marginSum")}},  // 1.4
    {900, 2400, false, {label("Label11"), label("Label12")}},  // 1.5
    {900, 2700, false, {label("Label78"), label("Label79")}},  // 1.6
    {1300, 3000, false, {text(".....รายการคำนวณที่ยังไม่ได้ปรับสภาพความชื้นหินทราย.....")}},  // 1.7
    {1300, 3300, false, {label("Label8"), label("Label77"), label("Label9")}},  // 1.8
    {1300, 3600, false, {label("Label13"), label("Label14")}},  // 1.9
    {1300, 3900, false, {label("Label15(1)"), label("Label16(1)")}},  // 1.10
    {1300, 4200, false, {label("Label17(1)"), label("Label18(1)")}},  // 1.11
    {1300, 4500, false, {label("Label19(1)"), label("Label20(1)")}},  // 1.12
    {1400, 4800, false, {label("Label21(1)"), text(" "), label("Label22(1)")}},  // 1.13
    {1400, 5100, false, {label("Label23(1)"), label("Label24(1)")}},  // 1.14
    {1300, 5400, false, {label("Label25"), label("Label26(1)")}},  // 1.15
    {1300, 5700, false, {label("Label27(1)"), label("Label28")}},  // 1.16
    {1300, 6000, false, {label("Label29"), label("Label30(1)")}},  // 1.17
    {1300, 6300, false, {label("Label31(1)"), label("Label32(1)")}},  // 1.18
    {1300, 6600, false, {text(".....ส่วนผสมที่ยังไม่ได้ปรับความละเอียด ใน 1 ลบ.ม. .....")}},  // 1.19
    {1300, 6900, false, {label("Label33(1)"), label("Label38(1)")}},  // 1.20
    {1300, 7200, false, {label("Label34(1)"), label("Label39(1)")}},  // 1.21
    {1300, 7500, false, {label("Label35(1)"), label("Label40")}},  // 1.22
    {1300, 7800, false, {label("Label36(1)"), label("Label41")}},  // 1.23
    {1300, 8100, false, {label("Label37(1)"), label("Label42")}},  // 1.24
    {1300, 8400, false, {text(".....ส่วนผสมที่ปรับความละเอียดแล้ว ใน 1 ลบ.ม. .....")}},  // 1.25
    {1300, 8700, false, {label("Label52"), label("Label47"), text("  กิโลกรัม")}},  // 1.26
    {1300, 9000, false, {label("Label51"), label("Label46"), text("  ลิตร")}},  // 1.27
    {1300, 9300, false, {label("Label50"), label("Label45"), text("  กิโลกรัม")}},  // 1.28
    {1300, 9600, false, {label("Label49"), label("Label44"), text("  กิโลกรัม")}},  // 1.29
    {1300, 9900, false, {label("Label48"), label("Label43"), text("  ซีซี")}},  // 1.30
    {1300, 10200, false, {text(".....รายการคำนวณที่ปรับสภาพความชื้นหินทรายแล้ว ใน 1 ลบ.ม. .....")}},  // 1.31
    {1300, 10500, false, {label("Label53"), label("Label61")}},  // 1.32
    {1300, 10800, false, {label("Label54"), label("Label62")}},  // 1.33
    {1300, 11100, false, {label("Label55"), label("Label63")}},  // 1.34
    {1300, 11400, false, {label("Label56"), text(" "), label("Label57")}},  // 1.35
    {1300, 11700, false, {label("Label58"), label("Label64")}},  // 1.36
    {1300, 12000, false, {label("Label59"), label("Label65")}},  // 1.37
    {1300, 12300, false, {label("Label60"), label("Label66")}},  // 1.38
    {1300, 12600, true, {text("***** ส่วนผสมที่ปรับสภาพความชื้นหินทรายแล้ว ใน 1 ลบ.ม.*****")}},  // 1.39
    {1300, 12900, true, {label("Label67"), label("Label72"), text("  กิโลกรัม")}},  // 1.40
    {1300, 13200, true, {label("Label68"), label("Label73"), text("  ลิตร")}},  // 1.41
    {1300, 13500, true, {label("Label69"), label("Label74"), text("  กิโลกรัม")}},  // 1.42
    {1300, 13800, true, {label("Label70"), label("Label75"), text("  กิโลกรัม")}},  // 1.43
    {1300, 14100, true, {label("Label71"), label("Label76"), text("  ซีซี")}},  // 1.44
};

// Under the final mix when an exposure class is chosen: the class, the verdict, and when the
// design fails it, the least strength that meets it or the advice that none does.
inline constexpr Row kSheet1Durability[] = {
    {1300, 14400, false, {durability("exposure")}},  // 1.45
    {1300, 14700, true, {durability("verdict")}},  // 1.46
    {1300, 15000, false, {durability("least")}},  // 1.47
};

inline constexpr Row kSheet2[] = {
    {1300, 1800, true, {text(" *** อัตราส่วนผสมต่อซีเมนต์ 1 ถุง ปรับสภาพหิน/ทรายแล้ว ***")}},  // 2.1
    {1200, 2200, true, {text("ซีเมนต์ = "), label("Label34(0)")}},  // 2.2
    {1200, 2600, true, {text("น้ำ = "), label("Label35(0)")}},  // 2.3
    {1200, 3000, true, {text("ทราย = "), label("Label36(0)")}},  // 2.4
    {1200, 3400, true, {text("หิน = "), label("Label37(0)")}},  // 2.5
    {1200, 3800, true, {text("น้ำยาผสมคอนกรีต = "), label("Label38(0)")}},  // 2.6
    {1200, 4200, true, {text("***หมายเหตุ***  ")}},  // 2.7
    {1300, 4600, true, {text("ส่วนผสมต่อซีเมนต์ 1 ถุง ( 50 kg.)จะได้ปริมาณคอนกรีต=  "), yieldOfOneBag(), text("  ลบ.ม.(คิว) ")}},  // 2.8
    {1300, 5000, true, {text("1 บุ้งกี๋มีปริมาตรโดยประมาณ 0.019 ลบ.ม.(คิว) และ ถังน้ำ 1 ใบมีปริมาตรโดยประมาณ 27 ลิตร  ")}},  // 2.9
    {1300, 5400, true, {text("หากใช้บุ้งกี๋หรือถังน้ำ ใหญ่หรือเล็กกว่านี้ ควรตวงปริมาตรให้เท่านี้ (คิดหน่วย นน.ของหินและทราย =1600 กก./ลบ.ม.)  ")}},  // 2.10
};

// clang-format on

} // namespace format::layout
