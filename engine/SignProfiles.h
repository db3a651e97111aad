#pragma once
#include <array>
#include <string_view>

namespace zodiac {

struct SignProfile {
    std::string_view Sign;
    std::string_view RulingPlanet;
    std::string_view PositiveTraits;
    std::string_view NegativeTraits;
    std::string_view MostCompatibleSign;
    std::string_view LeastCompatibleSign;
    std::string_view LuckyColor;
    std::string_view GemStone;
    std::string_view Energy;
    std::string_view FavourableSeason;
    std::string_view FavourableMonth;
    std::string_view FamousPersons;
};

struct ElementText {
    std::string_view Element;
    std::string_view Description;
};

// The twelve signs in cycle order, Rat first.
const std::array<SignProfile, 12>& SignProfiles();
// The five elements in the order Metal, Water, Wood, Fire, Earth.
const std::array<ElementText, 5>& ElementTexts();

} // namespace zodiac
