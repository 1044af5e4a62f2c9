#pragma once

#include <string>
#include <string_view>

// Rules for UTF-8 file names and paths, the same on every platform.
class FileName
{
public:
    // Why a name is not plain, in the order the checks run.
    enum class Fault
    {
        None,
        Empty,
        LeadingDot,
        TrailingBlankOrDot,
        ForbiddenCharacter,
        DeviceName,
    };

    // True when `name` can only mean one file directly inside a folder, on every platform a
    // shared folder may be reached from: not empty, valid UTF-8, no path separator, no control
    // character, none of < > : " | ? *, no leading dot (which also rules out "." and ".."),
    // no trailing blank or dot, and not a Windows device name (CON, NUL, COM1, ...).
    static bool IsPlainName(std::string_view name) { return PlainNameFault(name) == Fault::None; }
    // The first rule of IsPlainName that `name` breaks; text that is not UTF-8 counts as a
    // forbidden character.
    static Fault PlainNameFault(std::string_view name);
    // True when `name` means one entry directly inside a folder on this system, one that a
    // listing can show: not empty, no leading dot (so neither "." nor ".."), no path separator,
    // no control character and, where the system reserves them, no device or stream name.
    // Looser than IsPlainName: it takes whatever another system may have stored in a shared
    // folder, such as trailing blanks or dots.
    static bool IsEntryName(std::string_view name);
    static bool EndsWithSeparator(std::string_view path);
    // `folder` and `name` with exactly the platform separator between them when `folder`
    // does not end with one already.
    static std::string Join(std::string_view folder, std::string_view name);
};
