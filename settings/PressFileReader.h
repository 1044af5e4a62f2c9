#pragma once

#include "settings/CLocaleScanner.h"

#include <memory>
#include <string_view>

class PressSettings;

// Reads the text of a ".press" file with scanf's matching rules in the classic "C" locale:
// the base lines 1-10 must all match and the version must be positive, otherwise there is no
// record; extension lines 11-27 are taken until the first that does not match, the rest keep
// their defaults. The record's Version is 3 when every line matched, 1 otherwise.
class PressFileReader
{
public:
    // A new record named `name`, or null when the base part does not parse. `name` must fit a
    // record's name.
    static std::unique_ptr<PressSettings> Read(CLocaleScanner::Source source, std::string_view name);
};
