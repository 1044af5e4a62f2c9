#include "support/platform/TextFormat.h"

#include <cstdio>

namespace platform {

void FormatText(char* buffer, size_t size, const char* format, va_list args)
{
    if (size == 0)
        return;
    if (std::vsnprintf(buffer, size, format, args) < 0)
        buffer[0] = '\0';
}

} // namespace platform
