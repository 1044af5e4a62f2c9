#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "HL Kiln HL Suite" 1: the engine's connection to its colour service. Host UI thread.
struct HLKilnHLSuite
{
    static constexpr const char* kName = "HL Kiln HL Suite";
    static constexpr ASInt32 kVersion = 1;

    SuiteReserved reserved0To7[8];
    // Writes a short title and an explanation, each NUL-terminated within its size; `status` is
    // 0, 1 or another value. `recent` is set when the last full query was made shortly before.
    ASErr (*GetConnectionStatus)(char* title, ASInt32 titleSize, char* message, ASInt32 messageSize,
                                 ASInt32* status, AIBoolean recent);
};
HL_SUITE_ENTRY(HLKilnHLSuite, GetConnectionStatus, 8);
