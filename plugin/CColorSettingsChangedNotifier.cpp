#include "plugin/CColorSettingsChangedNotifier.h"

#include "plugin/EngineSuites.h"
#include "plugin/suites/HLKilnODLSuite.h"

CColorSettingsChangedNotifier::CColorSettingsChangedNotifier(TKW_AIPlugin* plugin)
    : TKW_AINotifier(plugin, "KVViewerColorPrefsNotif", "AI Command Notifier: After Color Matching Preferences")
{
}

// ApplyColorSettings reaches the engine through the panel's preview section, which comes with the
// panel.
ASErr CColorSettingsChangedNotifier::Notify(AINotifierMessage*)
{
    if (const HLKilnODLSuite* generation = EngineSuitePointers().kilnODL)
        generation->ColorSettingsChanged();
    return kNoErr;
}
