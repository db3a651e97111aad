#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zodiac {

inline constexpr std::string_view MsgEnterName = "Please Enter Your Name";
inline constexpr std::string_view MsgSpecifySex = "Please Specify Your Sex";
inline constexpr std::string_view MsgFebruaryDate = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view MsgThirtyDayMonth = "Please Enter Correct Date Or Month !";

enum class SexChoice { None, Male, Female };
enum class FocusTarget { Nowhere, NameBox, ProceedButton };

struct InputCheckResult {
    bool usable = true;
    std::string message; // empty when usable
    FocusTarget focus = FocusTarget::Nowhere;
};

// The text with leading and trailing blanks removed, as every input is read.
std::string TrimBlanks(std::string_view text);

// The checks behind Proceed, in order, stopping at the first failure: an empty name (not trimmed),
// no sex chosen, a February day past the month's end (Gregorian leap years), the 31st of a
// thirty-day month. Positions count from 0 (day position 30 is "31", month position 1 is February).
InputCheckResult ValidateInput(std::string_view nameText, SexChoice sex, int dayPosition, int monthPosition,
                               std::string_view yearText);

} // namespace zodiac
