#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "SP Access Suite" 3. Host UI thread.
struct SPAccessSuite
{
    static constexpr const char* kName = "SP Access Suite";
    static constexpr ASInt32 kVersion = 3;

    SPErr (*GetPluginAccess)(SPPluginRef plugin, SPAccessRef* access);
};
HL_SUITE_ENTRY(SPAccessSuite, GetPluginAccess, 0);
