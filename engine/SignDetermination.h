#pragma once
#include "InputCheck.h"
#include "NewYearTable.h"
#include "ZodiacReading.h"

#include <string>
#include <string_view>

namespace zodiac {

// The texts a reading and a record give the sex in, as the main window's options are captioned.
inline constexpr std::string_view MaleText = "Male";
inline constexpr std::string_view FemaleText = "Female";

// The option a sex text stands for: exactly "Male" or "Female"; any other text (another case, a
// blank) stands for none.
SexChoice SexChoiceOf(std::string_view sexText);

// The title put before the name: "Mr." for a male reading, "Ms." for any other.
std::string_view NameTitle(std::string_view sexText);

// What Proceed reads from the main window once the input check has passed.
struct ReadingInput {
    std::string nameText;
    SexChoice sex = SexChoice::None;
    std::string dayText;
    std::string monthText;
    std::string yearText;
};

// Records the input in the reading, turns the birth day into a date, finds its Chinese year and fills
// the profile. A date that cannot be formed keeps the previous BirthDate; a date outside the table
// keeps the previous Sign and Element. Returns whether a table row matched.
bool DetermineSign(ZodiacReading& reading, const NewYearTable& table, const ReadingInput& input);

// Copies the profile of the sign and the description of the element into the reading. Names are
// compared exactly; an unknown sign or element writes nothing for that part.
void ChineseZodiacDescription(ZodiacReading& reading, std::string element, std::string sign);

} // namespace zodiac
