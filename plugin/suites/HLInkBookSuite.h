#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "HL InkBook Suite" 6: the colour books of the engine's colour service. Host UI thread.
struct HLInkBookSuite
{
    static constexpr const char* kName = "HL InkBook Suite";
    static constexpr ASInt32 kVersion = 6;

    SuiteReserved reserved0To23[24];
    // 0 when no colour book holds the ink; `bookEntry` receives the engine's text for the match,
    // NUL-terminated within `size` bytes.
    AIBoolean (*FindInBook)(const char* inkName, char* bookEntry, ASInt32 size);
};
HL_SUITE_ENTRY(HLInkBookSuite, FindInBook, 24);
