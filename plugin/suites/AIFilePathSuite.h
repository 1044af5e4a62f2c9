#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// "AI File Path Suite" 6: host file path objects. Host UI thread.
struct AIFilePathSuite
{
    static constexpr const char* kName = "AI File Path Suite";
    static constexpr ASInt32 kVersion = 6;

    AIErr (*NewFilePath)(AIFilePathHandle* path);
    AIErr (*DeleteFilePath)(AIFilePathHandle path);
    AIErr (*Set)(AIFilePathHandle path, AIUnicodeStringHandle text);
    // The path as platform text: written with its NUL when it fits; `needed` includes the NUL.
    AIErr (*GetAsPlatformText)(AIFilePathHandle path, char* buffer, std::size_t size, std::size_t* needed);
    AIErr (*GetAsUnicodeString)(AIFilePathHandle path, AIUnicodeStringHandle* text);
    AIErr (*Equal)(AIFilePathHandle a, AIFilePathHandle b, AIBoolean* equal);
};
HL_SUITE_ENTRY(AIFilePathSuite, NewFilePath, 0);
HL_SUITE_ENTRY(AIFilePathSuite, DeleteFilePath, 1);
HL_SUITE_ENTRY(AIFilePathSuite, Set, 2);
HL_SUITE_ENTRY(AIFilePathSuite, GetAsPlatformText, 3);
HL_SUITE_ENTRY(AIFilePathSuite, GetAsUnicodeString, 4);
HL_SUITE_ENTRY(AIFilePathSuite, Equal, 5);
