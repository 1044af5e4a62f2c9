#pragma once

// "HL Core Probe Suite": added to the host by the CoreProbe test plug-in so that tests can drive
// the plug-in framework from outside a message. Objects the probe creates get ids 1, 2, ... in
// creation order per start-up; what happens to them is written to the probe's log, which
// outlives the plug-in object. Host UI thread.

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

struct CoreProbeSuite
{
    static constexpr const char* kName = "HL Core Probe Suite";
    static constexpr ASInt32 kVersion = 1;

    // TKW_AIPlugin::AddSuite.
    ASErr (*AddSuite)(const char* name);
    // A notifier of `type`, added to the registry; returns its id.
    ASInt32 (*AddNotifier)(const char* type, AINotifierHandle* handle);
    // An item in the probe's "Viewer" submenu whose Go answers `goResult`; returns AddMenu's code.
    ASErr (*AddMenuItem)(const char* text, ASErr goResult, ASInt32* id, AIMenuItemHandle* handle);
    // A timer of `period` ticks; returns AddTimer's code.
    ASErr (*AddTimer)(ASInt32 period, ASInt32* id, AITimerHandle* handle);
    // Deletes a notifier, menu item or timer the probe created; "PARM" for an unknown id.
    ASErr (*DeleteObject)(ASInt32 id);
    // The menu registry slot of an item (-1 when it has none) and the high-water count.
    ASInt32 (*MenuSlot)(ASInt32 id);
    ASInt32 (*MenuHighWater)();
    void (*QueueStartupAction)(ASInt32 tag);
    void (*AddOwnedPanel)(ASInt32 tag);
    // Feeds the modifier-key broadcaster with the manager library's bits.
    ASErr (*ChangeModifiers)(ASUInt32 bits);
    // TKW_AIPlugin::GetHostFolderText and GetResourceFolderText.
    ASErr (*HostFolderText)(char* buffer, std::size_t size);
    ASErr (*ResourceFolderText)(char* buffer, std::size_t size);
    AIBoolean (*IsApplicationStarted)();
    // The entries since the last ClearLog, separated by ", ".
    const char* (*Log)();
    void (*ClearLog)();
};
HL_SUITE_ENTRY(CoreProbeSuite, AddSuite, 0);
HL_SUITE_ENTRY(CoreProbeSuite, ClearLog, 14);
