#pragma once
#include <chrono>
#include <optional>
#include <string>

namespace zodiac {

// The one reading of the run. Nothing clears it: each reading overwrites the fields it writes, and
// every other field keeps what the previous reading left there.
struct ZodiacReading {
    std::string Name;
    std::string Sex;
    std::string DayText;
    std::string MonthName;
    std::string YearText;
    std::optional<std::chrono::year_month_day> BirthDate;
    std::string Sign;
    std::string Element;
    std::string ElementDescription;
    std::string RulingPlanet;
    std::string PositiveTraits;
    std::string NegativeTraits;
    std::string MostCompatibleSign;
    std::string LeastCompatibleSign;
    std::string LuckyColor;
    std::string GemStone;
    std::string Energy;
    std::string FavourableSeason;
    std::string FavourableMonth;
    std::string FamousPersons;
};

} // namespace zodiac
