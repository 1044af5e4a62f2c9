#include "support/platform/CodePage.h"

namespace platform {

unsigned SystemAnsiCodePage()
{
    return kUtf8CodePage;
}

std::string Utf8ToAnsi(const std::string& utf8)
{
    return utf8;
}

} // namespace platform
