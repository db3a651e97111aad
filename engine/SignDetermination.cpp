#include "SignDetermination.h"

#include "DateText.h"
#include "SignProfiles.h"

namespace zodiac {

SexChoice SexChoiceOf(std::string_view sexText) {
    if (sexText == MaleText)
        return SexChoice::Male;
    if (sexText == FemaleText)
        return SexChoice::Female;
    return SexChoice::None;
}

std::string_view NameTitle(std::string_view sexText) {
    return SexChoiceOf(sexText) == SexChoice::Male ? "Mr." : "Ms.";
}

bool DetermineSign(ZodiacReading& reading, const NewYearTable& table, const ReadingInput& input) {
    reading.Name = TrimBlanks(input.nameText);
    reading.Sex = input.sex == SexChoice::Male ? MaleText : FemaleText;
    reading.DayText = TrimBlanks(input.dayText);
    reading.MonthName = TrimBlanks(input.monthText);
    reading.YearText = TrimBlanks(input.yearText);

    const std::string composed = reading.DayText + " " + reading.MonthName + " " + reading.YearText;
    if (const auto date = ParseDayMonthYear(composed))
        reading.BirthDate = *date;

    bool matched = false;
    if (reading.BirthDate) {
        if (const auto row = FindNewYearRow(table, *reading.BirthDate)) {
            const NewYearRow& found = table[static_cast<std::size_t>(*row)];
            reading.Element = std::string(found.Element);
            reading.Sign = std::string(found.Sign);
            matched = true;
        }
    }

    ChineseZodiacDescription(reading, reading.Element, reading.Sign);
    return matched;
}

void ChineseZodiacDescription(ZodiacReading& reading, std::string element, std::string sign) {
    for (const SignProfile& profile : SignProfiles()) {
        if (profile.Sign != sign)
            continue;
        reading.Sign = sign;
        reading.Element = element;
        reading.RulingPlanet = std::string(profile.RulingPlanet);
        reading.PositiveTraits = std::string(profile.PositiveTraits);
        reading.NegativeTraits = std::string(profile.NegativeTraits);
        reading.MostCompatibleSign = std::string(profile.MostCompatibleSign);
        reading.LeastCompatibleSign = std::string(profile.LeastCompatibleSign);
        reading.LuckyColor = std::string(profile.LuckyColor);
        reading.GemStone = std::string(profile.GemStone);
        reading.Energy = std::string(profile.Energy);
        reading.FavourableSeason = std::string(profile.FavourableSeason);
        reading.FavourableMonth = std::string(profile.FavourableMonth);
        reading.FamousPersons = std::string(profile.FamousPersons);
        break;
    }
    for (const ElementText& text : ElementTexts()) {
        if (text.Element == element) {
            reading.ElementDescription = std::string(text.Description);
            break;
        }
    }
}

} // namespace zodiac
