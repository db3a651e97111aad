#include "DateText.h"

#include <charconv>

namespace zodiac {

namespace {

bool AllDigits(std::string_view s) {
    if (s.empty())
        return false;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

std::optional<unsigned> MonthNumber(std::string_view name) {
    for (unsigned i = 0; i < MonthNames.size(); ++i) {
        if (MonthNames[i] == name)
            return i + 1;
    }
    return std::nullopt;
}

std::optional<std::chrono::year_month_day> ParseDayMonthYear(std::string_view text) {
    const auto firstBlank = text.find(' ');
    if (firstBlank == std::string_view::npos)
        return std::nullopt;
    const auto secondBlank = text.find(' ', firstBlank + 1);
    if (secondBlank == std::string_view::npos)
        return std::nullopt;

    const std::string_view dayPart = text.substr(0, firstBlank);
    const std::string_view monthPart = text.substr(firstBlank + 1, secondBlank - firstBlank - 1);
    const std::string_view yearPart = text.substr(secondBlank + 1);

    // One or two digits for the day (a leading zero is allowed), exactly four for the year.
    if (!AllDigits(dayPart) || dayPart.size() > 2 || !AllDigits(yearPart) || yearPart.size() != 4)
        return std::nullopt;

    const auto month = MonthNumber(monthPart);
    if (!month)
        return std::nullopt;

    unsigned day = 0;
    int year = 0;
    std::from_chars(dayPart.data(), dayPart.data() + dayPart.size(), day);
    std::from_chars(yearPart.data(), yearPart.data() + yearPart.size(), year);

    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{*month},
                                           std::chrono::day{day}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

} // namespace zodiac
