#pragma once
#include <string>
#include <string_view>

namespace zodiac {

// The offset every character code is shifted by, in settings and record files alike. Kept small so
// that only the three highest codes (253 to 255) are lost, and so that no ordinary character (tab,
// letters, digits, punctuation) scrambles to a carriage return or line feed.
inline constexpr int ScrambleOffset = 3;

// Longest text the scrambler accepts; longer texts scramble to the empty text.
inline constexpr std::size_t ScrambleMaxLength = 32767;

// Text (UTF-16, as the windows hold it) to Windows-1252 codes; a character without a code there,
// including a lone surrogate or a character outside the basic plane, becomes '?'.
std::string EncodeWindows1252(std::u16string_view text);
// Windows-1252 codes back to text; the five unassigned codes map to the control characters with the
// same number, as Windows does.
std::u16string DecodeWindows1252(std::string_view codes);

// Shifts each code up by the offset, dropping codes that would pass 255.
std::string ScrambleText(std::u16string_view text);
// Shifts each code down by the offset, dropping codes below it.
std::u16string UnscrambleText(std::string_view scrambled);

// True when UnscrambleText(ScrambleText(text)) gives the text back unchanged.
bool ScramblesExactly(std::u16string_view text);

} // namespace zodiac
