#pragma once

namespace zodiac {

// Caption of every message box.
inline constexpr const char* ApplicationTitle = "Nerro Chinese Zodiac Software";
// Caption of every window. The build passes the version, read from debian/changelog.
inline constexpr const char* WindowCaption = "Nerro Chinese Zodiac Software v" ZODIAC_VERSION;
// The executable's base name as built; the settings area and the single-instance lock follow it.
inline constexpr const char* ExecutableBaseName = "NerroFreeChineseZodiacSoftware";

} // namespace zodiac
