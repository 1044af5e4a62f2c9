#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "SP Basic Suite" 4: suite acquisition and message string comparison. Host UI thread.
struct SPBasicSuite
{
    static constexpr const char* kName = "SP Basic Suite";
    static constexpr ASInt32 kVersion = 4;

    SPErr (*AcquireSuite)(const char* name, ASInt32 version, const void** suite);
    SPErr (*ReleaseSuite)(const char* name, ASInt32 version);
    ASBoolean (*IsEqual)(const char* token1, const char* token2);  // non-zero when equal
};
HL_SUITE_ENTRY(SPBasicSuite, AcquireSuite, 0);
HL_SUITE_ENTRY(SPBasicSuite, ReleaseSuite, 1);
HL_SUITE_ENTRY(SPBasicSuite, IsEqual, 2);
