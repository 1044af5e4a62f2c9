#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "AI Runtime Suite" 12. Host UI thread.
struct AIRuntimeSuite
{
    static constexpr const char* kName = "AI Runtime Suite";
    static constexpr ASInt32 kVersion = 12;

    SuiteReserved reserved0To10[11];
    ASInt32 (*GetAppMajorVersion)();
};
HL_SUITE_ENTRY(AIRuntimeSuite, GetAppMajorVersion, 11);
