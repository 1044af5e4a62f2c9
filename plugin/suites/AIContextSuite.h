#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

struct AIAppContextOpaque;
using AIAppContextHandle = AIAppContextOpaque*;

// "AI Context Suite" 9. Host UI thread.
struct AIContextSuite
{
    static constexpr const char* kName = "AI Context Suite";
    static constexpr ASInt32 kVersion = 9;

    AIErr (*GetPlatformAppWindow)(AIWindowRef* window);
    // Host calls made from user-interface events are bracketed by a push and a pop.
    AIErr (*PushAppContext)(SPPluginRef self, AIAppContextHandle* context);
    AIErr (*PopAppContext)(AIAppContextHandle context);
};
HL_SUITE_ENTRY(AIContextSuite, GetPlatformAppWindow, 0);
HL_SUITE_ENTRY(AIContextSuite, PushAppContext, 1);
HL_SUITE_ENTRY(AIContextSuite, PopAppContext, 2);
