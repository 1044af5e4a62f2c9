#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "AI Timer Suite" 5. Periods are host ticks (1/60 s). Host UI thread.
struct AITimerSuite
{
    static constexpr const char* kName = "AI Timer Suite";
    static constexpr ASInt32 kVersion = 5;

    // The timer is active from creation.
    AIErr (*AddTimer)(SPPluginRef self, const char* name, ASInt32 period, AITimerHandle* timer);
    SuiteReserved reserved1To2[2];
    AIErr (*SetTimerActive)(AITimerHandle timer, AIBoolean active);
};
HL_SUITE_ENTRY(AITimerSuite, AddTimer, 0);
HL_SUITE_ENTRY(AITimerSuite, SetTimerActive, 3);
