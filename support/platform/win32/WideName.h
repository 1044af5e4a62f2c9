#pragma once

#include "support/Utf16Text.h"

#include <string>
#include <string_view>

// UTF-8 ↔ wchar_t conversions for the Win32 implementations, where wchar_t is UTF-16.
namespace platform {

inline bool ToWide(std::string_view utf8, std::wstring& wide)
{
    std::u16string utf16;
    if (!Utf16Text::FromUtf8(utf8, utf16))
        return false;
    wide.assign(utf16.begin(), utf16.end());
    return true;
}

inline std::string FromWide(std::wstring_view wide)
{
    return Utf16Text::ToUtf8(std::u16string(wide.begin(), wide.end()));
}

} // namespace platform
