#pragma once

#include <string>
#include <string_view>

// Rules for UTF-8 file names and paths, the same on every platform.
class FileName
{
public:
    // True when `name` can only mean one file directly inside a folder, on every platform a
    // shared folder may be reached from: not empty, valid UTF-8, no path separator, no control
    // character, none of < > : " | ? *, no leading dot (which also rules out "." and ".."),
    // no trailing blank or dot, and not a Windows device name (CON, NUL, COM1, ...).
    static bool IsPlainName(std::string_view name);
    static bool EndsWithSeparator(std::string_view path);
    // `folder` and `name` with exactly the platform separator between them when `folder`
    // does not end with one already.
    static std::string Join(std::string_view folder, std::string_view name);
};
