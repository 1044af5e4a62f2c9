#pragma once

#include <string>

class PressSettings;

// Produces the text of a ".press" file: all 27 lines, integers and flags as %d (flags 0 or 1),
// reals as %f, each line ending in '\n' (the stream's text mode turns that into the
// platform's line end). The point is the decimal separator whatever the process locale.
class PressFileWriter
{
public:
    static std::string Format(const PressSettings& record);
};
