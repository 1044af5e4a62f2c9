#include "plugin/CColorSettingsChangedNotifier.h"

#include "plugin/EngineSuites.h"
#include "plugin/OspryPlugin.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "viewer/JobViewSection.h"
#include "viewer/OspryDialog.h"

CColorSettingsChangedNotifier::CColorSettingsChangedNotifier(TKW_AIPlugin* plugin)
    : TKW_AINotifier(plugin, "KVViewerColorPrefsNotif", "AI Command Notifier: After Color Matching Preferences")
{
}

ASErr CColorSettingsChangedNotifier::Notify(AINotifierMessage*)
{
    const OspryPlugin* viewer = OspryPlugin::Current();
    const OspryDialog* panel = viewer != nullptr ? viewer->GetPanel() : nullptr;
    if (JobViewSection* preview = panel != nullptr ? panel->GetJobViewSection() : nullptr)
        preview->ApplyColorSettings();
    if (const HLKilnODLSuite* generation = EngineSuitePointers().kilnODL)
        generation->ColorSettingsChanged();
    return kNoErr;
}
