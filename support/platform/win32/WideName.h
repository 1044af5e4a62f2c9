#pragma once

#include "support/Utf16Text.h"

#include <cwchar>
#include <string>
#include <string_view>
#include <utility>

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

namespace wide_name_detail {

// Room CreateDirectoryW keeps for an 8.3 file name inside a folder (MAX_PATH - 12).
constexpr size_t kPlainPathLimit = 260 - 12;

inline bool StartsWith(const std::wstring& text, const wchar_t* prefix)
{
    return text.compare(0, std::wcslen(prefix), prefix) == 0;
}

// Absolute paths past MAX_PATH need the extended-length prefix. It turns off the system's
// normalisation, which is safe: the store's paths are resolved and hold no "." or "..".
inline std::wstring Extended(std::wstring wide)
{
    if (wide.size() < kPlainPathLimit || StartsWith(wide, L"\\\\?\\"))
        return wide;
    for (auto& c : wide) {
        if (c == L'/')
            c = L'\\';
    }
    if (StartsWith(wide, L"\\\\"))
        return L"\\\\?\\UNC\\" + wide.substr(2);
    if (wide.size() >= 3 && wide[1] == L':' && wide[2] == L'\\')
        return L"\\\\?\\" + wide;
    return wide;
}

} // namespace wide_name_detail

// The wide name the file APIs take for the UTF-8 `utf8`; false for malformed UTF-8.
inline bool FileApiName(std::string_view utf8, std::wstring& wide)
{
    if (!ToWide(utf8, wide))
        return false;
    wide = wide_name_detail::Extended(std::move(wide));
    return true;
}

} // namespace platform
