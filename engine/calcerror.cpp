#include "engine/calcerror.h"

#include "engine/thaitexts.h"

namespace mix {
namespace {

std::string focusOf(Field field)
{
    switch (field) {
    case Field::Strength:
        return "Text2";
    case Field::Dose:
        return "Text3";
    case Field::Moisture:
        return "Text4";
    }
    return "Text2";
}

std::string_view fieldName(Field field)
{
    switch (field) {
    case Field::Strength:
        return "กำลังอัดคอนกรีต";
    case Field::Dose:
        return "ปริมาณน้ำยาผสมคอนกรีต";
    case Field::Moisture:
        return "ความชื้นทราย";
    }
    return "";
}

CalcError make(ErrorKind kind, std::string focus, std::string message)
{
    return CalcError{kind, std::move(focus), std::move(message), std::string(text::kPatienceTitle)};
}

} // namespace

std::string_view errorKindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Incomplete:
        return "incomplete";
    case ErrorKind::DoseMissing:
        return "dose_missing";
    case ErrorKind::NotANumber:
        return "not_a_number";
    case ErrorKind::Overflow:
        return "overflow";
    case ErrorKind::OutOfRange:
        return "out_of_range";
    }
    return "";
}

CalcError incompleteError() { return make(ErrorKind::Incomplete, "Text2", std::string(text::kIncomplete)); }

CalcError doseMissingError() { return make(ErrorKind::DoseMissing, "Text3", std::string(text::kIncomplete)); }

CalcError notANumberError(Field field)
{
    return make(ErrorKind::NotANumber, focusOf(field),
                "ค่า" + std::string(fieldName(field)) + "ไม่ใช่ตัวเลขที่ถูกต้อง กรุณาป้อนเฉพาะตัวเลข และจุดทศนิยมได้ไม่เกิน 1 จุด");
}

CalcError overflowError(Field field)
{
    return make(ErrorKind::Overflow, focusOf(field),
                "ค่า" + std::string(fieldName(field)) + "มากเกินไปจนคำนวณไม่ได้ กรุณาป้อนค่าที่น้อยลง");
}

CalcError strengthOutOfRangeError()
{
    return make(ErrorKind::OutOfRange, "Text2",
                "กำลังอัดที่ต้องการอยู่นอกช่วงที่ออกแบบได้ "
                "ออกแบบได้ประมาณ 90-390 กก./ตร.ซม. สำหรับตัวอย่างลูกบาศก์ "
                "หรือ 75-325 กก./ตร.ซม. สำหรับตัวอย่างทรงกระบอก");
}

CalcError negativeWaterError()
{
    return make(ErrorKind::OutOfRange, "Text4",
                "ทรายมีความชื้นมากเกินไป จนน้ำที่ต้องใส่ในส่วนผสมติดลบ "
                "กรุณาตรวจสอบค่าความชื้นทราย");
}

} // namespace mix
