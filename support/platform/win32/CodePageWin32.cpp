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
    return wide.empty() ? std::string() : NarrowToCodePage(wide, ::GetACP());
}

} // namespace platform
