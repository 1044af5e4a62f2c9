#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "AI Preference Suite" 4: the host's own preferences, kept from one run of the host to the
// next. Keys are a prefix (the plug-in's) and a suffix. Host UI thread.
struct AIPreferenceSuite
{
    static constexpr const char* kName = "AI Preference Suite";
    static constexpr ASInt32 kVersion = 4;

    // `value` is left untouched when the key is absent, so callers store the default in it first.
    AIErr (*GetBooleanPreference)(const char* prefix, const char* suffix, AIBoolean* value);
    AIErr (*PutBooleanPreference)(const char* prefix, const char* suffix, AIBoolean value);
};
HL_SUITE_ENTRY(AIPreferenceSuite, GetBooleanPreference, 0);
HL_SUITE_ENTRY(AIPreferenceSuite, PutBooleanPreference, 1);
