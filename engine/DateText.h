#pragma once
#include <array>
#include <chrono>
#include <optional>
#include <string_view>

namespace zodiac {

// English month names, January first. Dates in the table and the birth date use these exactly.
inline constexpr std::array<std::string_view, 12> MonthNames{"January",   "February", "March",    "April",
                                                             "May",       "June",     "July",     "August",
                                                             "September", "October",  "November", "December"};

// Reads "day month year" (e.g. "11 February 1937" or "08 February 1940"): a day number, one of the
// English month names exactly, a four-digit year, separated by single blanks. Independent of the
// machine's locale. Anything else, or a day the month does not have, gives no date.
std::optional<std::chrono::year_month_day> ParseDayMonthYear(std::string_view text);

// 1 to 12 for an exact English month name, otherwise no value.
std::optional<unsigned> MonthNumber(std::string_view name);

} // namespace zodiac
