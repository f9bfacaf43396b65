#include "engine/calcerror.h"

#include "engine/texts/errorwords.h"

namespace mix {
namespace {

using namespace errorwords;

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
        return kStrengthField;
    case Field::Dose:
        return kDoseField;
    case Field::Moisture:
        return kMoistureField;
    }
    return "";
}

CalcError make(ErrorKind kind, std::string focus, std::string message)
{
    return CalcError{kind, std::move(focus), std::move(message), std::string(kPatienceTitle)};
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

CalcError incompleteError() { return make(ErrorKind::Incomplete, "Text2", std::string(kIncomplete)); }

CalcError doseMissingError() { return make(ErrorKind::DoseMissing, "Text3", std::string(kIncomplete)); }

CalcError notANumberError(Field field)
{
    return make(ErrorKind::NotANumber, focusOf(field),
                std::string(kValueOf).append(fieldName(field)).append(kNotANumber));
}

CalcError overflowError(Field field)
{
    return make(ErrorKind::Overflow, focusOf(field), std::string(kValueOf).append(fieldName(field)).append(kOverflow));
}

CalcError strengthOutOfRangeError() { return make(ErrorKind::OutOfRange, "Text2", std::string(kStrengthOutOfRange)); }

CalcError negativeWaterError() { return make(ErrorKind::OutOfRange, "Text4", std::string(kNegativeWater)); }

} // namespace mix
