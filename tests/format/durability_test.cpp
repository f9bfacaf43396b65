#include "engine/design.h"
#include "format/durabilitychart.h"
#include "format/sheetlines.h"
#include "tests/support/workedexamples.h"

#include <gtest/gtest.h>

using mix::Exposure;

namespace {

mix::Design firstExampleIn(Exposure exposure) { return mix::designOf({firstExample(), {}, exposure}); }

bool has(const std::string& svg, const std::string& what) { return svg.find(what) != std::string::npos; }

} // namespace

// The class and the verdict follow sheet 1's 44 lines under the final mix, and only when a
// class is chosen; the least strength only when the design fails it.
TEST(DurabilitySheet, ClassAndVerdictUnderTheFinalMix)
{
    const mix::Design plain = mix::designOf({firstExample(), {}});
    EXPECT_EQ(format::sheet1Lines(plain), format::sheet1Lines(*plain.result));
    EXPECT_EQ(format::reportSheets(plain)[0].size(), 44u);

    const format::SheetLines xc3 = format::reportSheets(firstExampleIn(Exposure::XC3))[0];
    ASSERT_EQ(xc3.size(), 47u);
    EXPECT_EQ(format::SheetLines(xc3.begin(), xc3.begin() + 44), format::sheet1Lines(*plain.result));
    const format::SheetLines expected{
        {"สภาพแวดล้อมที่ใช้งาน = XC3 (EN 206)  ภายนอกใต้หลังคาที่กันฝน หรือในอาคารที่ชื้น", 1300, 14400, false},
        {"ไม่ผ่านข้อกำหนดความคงทน : W/C เกิน 0.55, กำลังอัดน้อยกว่า 377.29  กก./ตร.ซม.", 1300, 14700, true},
        {"กำลังอัดต่ำสุดที่ผ่าน = 378  กก./ตร.ซม.  ตัวอย่างลูกบาศก์", 1300, 15000, false},
    };
    EXPECT_EQ(format::SheetLines(xc3.begin() + 44, xc3.end()), expected);

    const format::SheetLines c1 = format::sheet1Lines(firstExampleIn(Exposure::C1));
    ASSERT_EQ(c1.size(), 46u);
    EXPECT_EQ(c1[44].text, "สภาพแวดล้อมที่ใช้งาน = C1 (ACI 318)  ถูกความชื้นหรือฝน แต่ไม่ถูกคลอไรด์ เช่น ภายนอกทั่วไป");
    EXPECT_EQ(c1[45].text, "ผ่านข้อกำหนดความคงทน");

    const format::SheetLines xs3 = format::sheet1Lines(firstExampleIn(Exposure::XS3));
    ASSERT_EQ(xs3.size(), 47u);
    EXPECT_EQ(xs3[45].text, "ไม่ผ่านข้อกำหนดความคงทน : W/C เกิน 0.45, ซีเมนต์น้อยกว่า 340  กก./ลบ.ม., "
                            "กำลังอัดน้อยกว่า 458.87  กก./ตร.ซม.");
    EXPECT_EQ(xs3[46].text, "ไม่มีกำลังอัดที่วิธีนี้ออกแบบได้ที่ผ่าน ควรใช้ส่วนผสมที่ออกแบบเฉพาะ หรือคอนกรีตผสมเสร็จตามชั้นนี้");
}

// Placed by hand: cubes span 90..390 over x 64..520 and w/c 0.35..0.95 over y 308..36. The design
// (240, 0.61) is at 292, 190.13; the least strength (378, WA 0.442) at 501.76, 266.29; the limit
// 0.55 at y 217.33 and the minimum 377.29 at x 500.68.
TEST(DurabilityChart, TheMethodTheDesignTheLimitsAndTheLeastStrength)
{
    const std::string xc3 = format::durabilityChartSvg(firstExampleIn(Exposure::XC3));
    EXPECT_TRUE(has(xc3, "<circle cx=\"292\" cy=\"190.13\" r=\"6\""));
    EXPECT_TRUE(has(xc3, ">ที่ออกแบบ 240</text>"));
    EXPECT_TRUE(has(xc3, "<circle cx=\"501.76\" cy=\"266.29\" r=\"6\""));
    EXPECT_TRUE(has(xc3, ">ต่ำสุดที่ผ่าน 378</text>"));
    EXPECT_TRUE(has(xc3, "<line x1=\"64\" y1=\"217.33\" x2=\"520\" y2=\"217.33\""));
    EXPECT_TRUE(has(xc3, ">W/C สูงสุด 0.55</text>"));
    EXPECT_TRUE(has(xc3, "<line x1=\"500.68\" y1=\"36\" x2=\"500.68\" y2=\"308\""));
    EXPECT_TRUE(has(xc3, ">ต่ำสุด 377.29</text>"));
    // The method's curve from 90 (F 150, 0.90: y 58.67) to 390 (F 450, 0.43: y 271.73).
    EXPECT_TRUE(has(xc3, "points=\"64,58.67 "));
    EXPECT_TRUE(has(xc3, " 520,271.73\"/>"));

    // A minimum past the strengths the method designs is no line at its edge, and no least
    // strength is marked.
    const std::string xs3 = format::durabilityChartSvg(firstExampleIn(Exposure::XS3));
    EXPECT_TRUE(has(xs3, ">W/C สูงสุด 0.45</text>"));
    EXPECT_FALSE(has(xs3, ">ต่ำสุด "));
    EXPECT_EQ(std::string::npos, xs3.find("r=\"6\"", xs3.find("r=\"6\"") + 1));

    EXPECT_EQ(format::durabilityChartSvg(mix::designOf({firstExample(), {}})), "");
}
