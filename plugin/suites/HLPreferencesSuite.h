#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "HL Preferences Suite" 1: the engine's preference store. Keys live in sections such as
// "Hueline/Viewer"; `value` is left untouched when the key is absent, so callers store the
// default in it first. Host UI thread.
struct HLPreferencesSuite
{
    static constexpr const char* kName = "HL Preferences Suite";
    static constexpr ASInt32 kVersion = 1;

    ASErr (*GetBooleanPreference)(const char* section, const char* key, ASInt32* value);
    SuiteReserved reserved1;
    ASErr (*GetIntegerPreference)(const char* section, const char* key, ASInt32* value);
};
HL_SUITE_ENTRY(HLPreferencesSuite, GetBooleanPreference, 0);
HL_SUITE_ENTRY(HLPreferencesSuite, GetIntegerPreference, 2);
