#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "AI Notifier Suite" 4. Host UI thread.
struct AINotifierSuite
{
    static constexpr const char* kName = "AI Notifier Suite";
    static constexpr ASInt32 kVersion = 4;

    AIErr (*AddNotifier)(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier);
    SuiteReserved reserved1To3[3];
    AIErr (*SetNotifierActive)(AINotifierHandle notifier, AIBoolean active);
    SuiteReserved reserved5To7[3];
    // Sends the notification to every plug-in with an active notifier of that type.
    AIErr (*BroadcastNotifier)(const char* type, void* notifyData);
};
HL_SUITE_ENTRY(AINotifierSuite, AddNotifier, 0);
HL_SUITE_ENTRY(AINotifierSuite, SetNotifierActive, 4);
HL_SUITE_ENTRY(AINotifierSuite, BroadcastNotifier, 8);
