#pragma once

#include <string>

// The system's ANSI code page and conversion of UTF-8 text into it.
//
// On Windows the ANSI code page is the one GetACP reports. POSIX systems have no ANSI code page
// of their own; their text interfaces take UTF-8, so there the ANSI code page is treated as UTF-8
// (65001) and the conversion copies the text unchanged.
namespace platform {

constexpr unsigned kUtf8CodePage = 65001;

unsigned SystemAnsiCodePage();

// `utf8` converted to the ANSI code page. Characters the code page lacks become its default
// character; no best-fit look-alikes are substituted. Invalid UTF-8 gives an empty result.
std::string Utf8ToAnsi(const std::string& utf8);

} // namespace platform
