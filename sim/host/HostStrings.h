#pragma once

#include "plugin/suites/SPTypes.h"

#include <string>

// The host's Unicode string object.
struct AIUnicodeStringOpaque
{
    std::u16string text;
};

// The host's file path object; platform text on this platform is UTF-8.
struct AIFilePathOpaque
{
    std::string path;
};
