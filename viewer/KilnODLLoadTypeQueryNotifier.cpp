#include "viewer/KilnODLLoadTypeQueryNotifier.h"

#include "plugin/OspryPlugin.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "viewer/OspryDialog.h"

KilnODLLoadTypeQueryNotifier::KilnODLLoadTypeQueryNotifier(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "TKOY KilnLoadType", kHLLoadTypeQueryNotifier), m_plugin(plugin)
{
}

// A viewer that shows the job keeps it from being released.
ASErr KilnODLLoadTypeQueryNotifier::Notify(AINotifierMessage* message)
{
    auto* query = static_cast<HLLoadTypeQuery*>(message->notifyData);
    const OspryDialog* panel = m_plugin->GetPanel();
    if (query != nullptr && panel != nullptr && panel->IsPanelShown())
        query->shown = 1;
    return kNoErr;
}
