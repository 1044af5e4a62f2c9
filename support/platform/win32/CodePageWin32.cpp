#include "support/platform/CodePage.h"

#include "support/platform/win32/WideText.h"

#include <windows.h>

namespace platform {

unsigned SystemAnsiCodePage()
{
    return ::GetACP();
}

std::string Utf8ToAnsi(const std::string& utf8)
{
    const std::wstring wide = WidenUtf8(utf8);
    if (wide.empty())
        return {};
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                             static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                             nullptr);
    if (length <= 0)
        return {};
    std::string ansi(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                          ansi.data(), length, nullptr, nullptr);
    return ansi;
}

} // namespace platform
