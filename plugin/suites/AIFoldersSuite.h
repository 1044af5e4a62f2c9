#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// Host folder kinds the plug-in asks for.
constexpr ASInt32 kAIApplicationFolderType = 1;
constexpr ASInt32 kAIPluginResourcesFolderType = 24;

// "AI Folders Suite" 5. Host UI thread.
struct AIFoldersSuite
{
    static constexpr const char* kName = "AI Folders Suite";
    static constexpr ASInt32 kVersion = 5;

    // Writes the folder into an existing file path object.
    AIErr (*FindFolder)(ASInt32 kind, AIBoolean create, AIFilePathHandle path);
};
HL_SUITE_ENTRY(AIFoldersSuite, FindFolder, 0);
