#pragma once

#include <string>
#include <string_view>

// Conversion between UTF-8 (the system's text) and UTF-16 (the wide file names of Windows).
// Portable so that the rules are the same, and testable, on every platform.
class Utf16Text
{
public:
    // False for malformed UTF-8 (bad sequences, overlong forms, surrogates, values past
    // U+10FFFF); `out` is then left empty.
    static bool FromUtf8(std::string_view utf8, std::u16string& out);
    // Lone surrogates become U+FFFD so that every wide name yields some text.
    static std::string ToUtf8(std::u16string_view utf16);
    static bool IsValidUtf8(std::string_view utf8);
};
