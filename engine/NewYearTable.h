#pragma once
#include <array>
#include <chrono>
#include <optional>
#include <string_view>

namespace zodiac {

inline constexpr int NewYearRowCount = 202;
inline constexpr int FirstTableYear = 1899;
// The Gregorian years the table covers from 1 January to 31 December: those a birth date can have.
inline constexpr int FirstWholeYear = 1900;
inline constexpr int LastWholeYear = 2100;

inline constexpr std::array<std::string_view, 12> SignNames{
    "Rat", "Ox", "Tiger", "Rabbit", "Dragon", "Snake", "Horse", "Goat", "Monkey", "Rooster", "Dog", "Pig"};
inline constexpr std::array<std::string_view, 5> ElementNames{"Fire", "Earth", "Metal", "Water", "Wood"};

struct NewYearRow {
    std::chrono::year_month_day StartDate;
    std::chrono::year_month_day EndDate;
    std::string_view Sign;
    std::string_view Element;
};

// One row per Chinese year starting in 1899 to 2100; row k is the year 1899 + k. The first row, an
// Earth Pig year, begins on 10 February 1899, so 1 January 1900 has its true year too.
using NewYearTable = std::array<NewYearRow, NewYearRowCount>;

// Fills all rows from their date texts. Building again gives the same content.
NewYearTable BuildNewYearTable();

// The first row whose StartDate..EndDate (both included) holds the date, or none.
std::optional<int> FindNewYearRow(const NewYearTable& table, std::chrono::year_month_day date);

} // namespace zodiac
