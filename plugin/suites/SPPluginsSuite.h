#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "SP Plug-ins Suite" 6. Host UI thread.
struct SPPluginsSuite
{
    static constexpr const char* kName = "SP Plug-ins Suite";
    static constexpr ASInt32 kVersion = 6;

    SuiteReserved reserved0To22[23];
    SPErr (*SetPluginName)(SPPluginRef plugin, const char* name);
};
HL_SUITE_ENTRY(SPPluginsSuite, SetPluginName, 23);
