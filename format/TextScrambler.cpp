#include "TextScrambler.h"

#include <array>

namespace zodiac {

namespace {

// Unicode for the codes 0x80 to 0x9F; 0 marks the five codes Windows-1252 leaves unassigned.
constexpr std::array<char16_t, 32> HighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned char CodeOf(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] != 0 && HighControls[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    }
    // The unassigned codes read back as their control characters; write them the same way.
    if (ch >= 0x80 && ch <= 0x9F && HighControls[ch - 0x80] == 0)
        return static_cast<unsigned char>(ch);
    return '?';
}

bool IsHighSurrogate(char16_t ch) {
    return ch >= 0xD800 && ch <= 0xDBFF;
}
bool IsLowSurrogate(char16_t ch) {
    return ch >= 0xDC00 && ch <= 0xDFFF;
}

} // namespace

std::string EncodeWindows1252(std::u16string_view text) {
    std::string codes;
    codes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i];
        if (IsHighSurrogate(ch) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            codes.push_back('?'); // one character, one question mark
            ++i;
            continue;
        }
        codes.push_back(static_cast<char>(CodeOf(ch)));
    }
    return codes;
}

std::u16string DecodeWindows1252(std::string_view codes) {
    std::u16string text;
    text.reserve(codes.size());
    for (char c : codes) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x80 && code <= 0x9F && HighControls[code - 0x80] != 0)
            text.push_back(HighControls[code - 0x80]);
        else
            text.push_back(static_cast<char16_t>(code));
    }
    return text;
}

std::string ScrambleText(std::u16string_view text) {
    if (text.size() > ScrambleMaxLength)
        return {};
    std::string result;
    result.reserve(text.size());
    for (char c : EncodeWindows1252(text)) {
        const int shifted = static_cast<unsigned char>(c) + ScrambleOffset;
        if (shifted <= 255)
            result.push_back(static_cast<char>(shifted));
    }
    return result;
}

std::u16string UnscrambleText(std::string_view scrambled) {
    if (scrambled.size() > ScrambleMaxLength)
        return {};
    std::string codes;
    codes.reserve(scrambled.size());
    for (char c : scrambled) {
        const int shifted = static_cast<unsigned char>(c) - ScrambleOffset;
        if (shifted >= 0)
            codes.push_back(static_cast<char>(shifted));
    }
    return DecodeWindows1252(codes);
}

bool ScramblesExactly(std::u16string_view text) {
    return text.size() <= ScrambleMaxLength && UnscrambleText(ScrambleText(text)) == text;
}

} // namespace zodiac
