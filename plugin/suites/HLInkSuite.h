#pragma once

#include "plugin/suites/HLTypes.h"
#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "HL Ink Suite" 16: the inks of the current document. The viewer passes 0 as the first argument
// of the iteration entries; other values are the engine's. Host UI thread.
struct HLInkSuite
{
    static constexpr const char* kName = "HL Ink Suite";
    static constexpr ASInt32 kVersion = 16;

    SuiteReserved reserved0To3[4];
    ASErr (*ResetInkIteration)(ASInt32 list);
    ASInt32 (*NextInk)(ASInt32 list, HLInkRef* ink);  // non-zero while an ink was delivered
    SuiteReserved reserved6To22[17];
    // Writes the name, NUL-terminated within `size` bytes.
    ASErr (*GetInkName)(HLInkRef ink, char* buffer, ASInt32 size);
};
HL_SUITE_ENTRY(HLInkSuite, ResetInkIteration, 4);
HL_SUITE_ENTRY(HLInkSuite, NextInk, 5);
HL_SUITE_ENTRY(HLInkSuite, GetInkName, 23);
