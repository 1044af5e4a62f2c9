#pragma once

#include <cstdarg>
#include <cstddef>

// printf-style formatting of UTF-8 text into a fixed buffer of `size` bytes (cut at size - 1,
// always terminated when size > 0).
//
// Windows: while a multibyte code page is the C runtime's character type, a format containing
// "%s" is formatted under the "C" character type, any other format with a conversion is formatted
// as UTF-16 (string conversions read narrow arguments) and converted back, and a format without
// "%" is copied. POSIX C libraries format UTF-8 byte by byte, so there vsnprintf is used as is.
namespace platform {

void FormatText(char* buffer, size_t size, const char* format, va_list args);

} // namespace platform
