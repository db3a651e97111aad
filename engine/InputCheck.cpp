#include "InputCheck.h"

#include <charconv>

namespace zodiac {

namespace {

InputCheckResult Refuse(std::string_view message, FocusTarget focus) {
    return InputCheckResult{false, std::string(message), focus};
}

// The year as a number; a text that is no number counts as no year, which is never a leap year.
std::optional<int> YearNumber(std::string_view untrimmed) {
    const std::string text = TrimBlanks(untrimmed);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

InputCheckResult ValidateInput(std::string_view nameText, SexChoice sex, int dayPosition, int monthPosition,
                               std::string_view yearText) {
    if (nameText.empty())
        return Refuse(MsgEnterName, FocusTarget::NameBox);
    if (sex == SexChoice::None)
        return Refuse(MsgSpecifySex, FocusTarget::ProceedButton);

    if (monthPosition == 1) {
        const auto year = YearNumber(yearText);
        // The Gregorian rule: 1900 and 2100 have no 29 February, 2000 has one.
        const bool leap = year && *year % 4 == 0 && (*year % 100 != 0 || *year % 400 == 0);
        const int firstBadDay = leap ? 29 : 28; // positions: 29 is "30", 28 is "29"
        if (dayPosition >= firstBadDay && dayPosition <= 30)
            return Refuse(MsgFebruaryDate, FocusTarget::Nowhere);
    }

    const bool thirtyDayMonth =
        monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
    if (thirtyDayMonth && dayPosition == 30)
        return Refuse(MsgThirtyDayMonth, FocusTarget::Nowhere);

    return InputCheckResult{};
}

} // namespace zodiac
