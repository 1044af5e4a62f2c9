#include "support/platform/win32/WideText.h"

#include <windows.h>

namespace platform {

namespace {

std::wstring Widen(const std::string& text, UINT codePage, DWORD flags)
{
    if (text.empty())
        return {};
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(),
                                             static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
    return wide;
}

} // namespace

std::wstring WidenUtf8(const std::string& utf8)
{
    return Widen(utf8, CP_UTF8, MB_ERR_INVALID_CHARS);
}

std::wstring WidenPath(const std::string& path)
{
    std::wstring wide = WidenUtf8(path);
    return wide.empty() ? Widen(path, CP_ACP, 0) : wide;
}

std::string NarrowToUtf8(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string utf8(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          length, nullptr, nullptr);
    return utf8;
}

} // namespace platform
