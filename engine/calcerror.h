#pragma once

#include <string>
#include <string_view>

namespace mix {

enum class ErrorKind { Incomplete, DoseMissing, NotANumber, Overflow, OutOfRange };

// The input field whose value caused a refusal; it gets the focus afterwards.
enum class Field { Strength, Dose, Moisture };

// A refused Calculate: what went wrong, which control gets the focus, and the Thai
// message box (question icon, OK) the user is shown.
struct CalcError {
    ErrorKind kind = ErrorKind::Incomplete;
    std::string focus; // control name: "Text2", "Text3" or "Text4"
    std::string message;
    std::string title;

    bool operator==(const CalcError&) const = default;
};

std::string_view errorKindName(ErrorKind kind); // "incomplete", "dose_missing", ...

CalcError incompleteError();
CalcError doseMissingError();
CalcError notANumberError(Field field);
CalcError overflowError(Field field);
CalcError strengthOutOfRangeError();
CalcError negativeWaterError();

} // namespace mix
