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

std::string Narrow(const std::wstring& wide, UINT codePage, DWORD flags)
{
    if (wide.empty())
        return {};
    const int length = ::WideCharToMultiByte(codePage, flags, wide.data(),
                                             static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                             nullptr);
    if (length <= 0)
        return {};
    std::string narrow(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                          narrow.data(), length, nullptr, nullptr);
    return narrow;
}

// WideCharToMultiByte refuses every flag for UTF-8, UTF-7 and the stateful code pages (ISO 2022,
// ISCII, symbol); they have no best-fit tables anyway.
bool RefusesFlags(UINT codePage)
{
    return codePage == CP_UTF8 || codePage == CP_UTF7 || codePage == CP_SYMBOL
        || (codePage >= 50220 && codePage <= 50229) || (codePage >= 57002 && codePage <= 57011);
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
    return Narrow(wide, CP_UTF8, 0);
}

std::string NarrowToCodePage(const std::wstring& wide, unsigned codePage)
{
    return Narrow(wide, codePage, RefusesFlags(codePage) ? 0 : WC_NO_BEST_FIT_CHARS);
}

} // namespace platform
