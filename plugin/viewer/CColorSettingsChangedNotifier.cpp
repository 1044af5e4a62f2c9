#include "plugin/viewer/CColorSettingsChangedNotifier.h"

#include "plugin/EngineSuites.h"
#include "plugin/suites/HLKilnODLSuite.h"

#include <utility>

CColorSettingsChangedNotifier::CColorSettingsChangedNotifier(TKW_AIPlugin* plugin, std::function<void()> applyToPreview)
    : TKW_AINotifier(plugin, "KVViewerColorPrefsNotif", "AI Command Notifier: After Color Matching Preferences")
    , m_applyToPreview(std::move(applyToPreview))
{
}

ASErr CColorSettingsChangedNotifier::Notify(AINotifierMessage*)
{
    m_applyToPreview();
    if (const HLKilnODLSuite* generation = EngineSuitePointers().kilnODL)
        generation->ColorSettingsChanged();
    return kNoErr;
}
