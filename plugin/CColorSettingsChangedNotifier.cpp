#include "plugin/CColorSettingsChangedNotifier.h"

#include "plugin/EngineSuites.h"
#include "plugin/OspryPlugin.h"
#include "plugin/suites/HLKilnODLSuite.h"

CColorSettingsChangedNotifier::CColorSettingsChangedNotifier(TKW_AIPlugin* plugin)
    : TKW_AINotifier(plugin, "KVViewerColorPrefsNotif", "AI Command Notifier: After Color Matching Preferences")
{
}

ASErr CColorSettingsChangedNotifier::Notify(AINotifierMessage*)
{
    if (OspryPlugin* viewer = OspryPlugin::Current())
        viewer->ApplyColorSettings();
    if (const HLKilnODLSuite* generation = EngineSuitePointers().kilnODL)
        generation->ColorSettingsChanged();
    return kNoErr;
}
