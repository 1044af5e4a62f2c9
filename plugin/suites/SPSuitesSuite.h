#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "SP Suites Suite" 2: lets a plug-in publish suites of its own (the engine does). Host UI thread.
struct SPSuitesSuite
{
    static constexpr const char* kName = "SP Suites Suite";
    static constexpr ASInt32 kVersion = 2;

    // The function table stays owned by the adding plug-in and must outlive the suite.
    SPErr (*AddSuite)(SPPluginRef plugin, const char* name, ASInt32 version, const void* procs,
                      SPSuiteRef* suite);
};
HL_SUITE_ENTRY(SPSuitesSuite, AddSuite, 0);
