#pragma once

#include <string>

// UTF-8 ↔ UTF-16 for the wide-character Win32 interfaces. Invalid input gives an empty result.
namespace platform {

std::wstring WidenUtf8(const std::string& utf8);
// A path as UTF-16: UTF-8 when it is valid UTF-8, else text in the ANSI code page (what the C
// runtime's getenv gives back for non-ASCII environment values).
std::wstring WidenPath(const std::string& path);
std::string NarrowToUtf8(const std::wstring& wide);
// `wide` in `codePage`. Characters the code page lacks become its default character, never a
// best-fit look-alike; empty when the system does not know the code page.
std::string NarrowToCodePage(const std::wstring& wide, unsigned codePage);

} // namespace platform
