#pragma once

#include <string>

// UTF-8 ↔ UTF-16 for the wide-character Win32 interfaces. Invalid input gives an empty result.
namespace platform {

std::wstring WidenUtf8(const std::string& utf8);
std::string NarrowToUtf8(const std::wstring& wide);

} // namespace platform
