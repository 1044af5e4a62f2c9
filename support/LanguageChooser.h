#pragma once

#include <string>

// Chooses the language folder ("RVLANG") from the user's locale name as the C runtime gives it.
// Windows names ("German_Switzerland.1252") follow the host's rules, including the code page
// conditions for Chinese, Japanese and Korean; POSIX names ("de_CH", "fr_FR.UTF-8", "pt_BR")
// map onto the same folders. Anything unknown gives "English.lproj".
class LanguageChooser {
public:
    static constexpr const char* kDefaultFolder = "English.lproj";

    // `ansiCodePage` is the system ANSI code page (65001 on POSIX).
    static const char* FolderFor(const std::string& localeName, unsigned ansiCodePage);
};
