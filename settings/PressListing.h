#pragma once

#include "support/Folder.h"

#include <string>
#include <string_view>
#include <vector>

// Which files of the settings folder are settings, and in which order: regular files sorted
// by name with ASCII letters folded to lower case, kept when the name does not start with
// ".", has at least 7 bytes and ends with ".press" exactly.
class PressListing
{
public:
    // The base names (".press" removed) of the settings in `folder`, in listing order, from
    // one enumeration; empty when the folder cannot be read.
    static std::vector<std::string> Names(const Folder& folder);
    static bool IsSettingsFileName(std::string_view fileName);
    static bool ListsBefore(std::string_view a, std::string_view b);
};
