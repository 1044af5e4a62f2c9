#include "viewer/EventExtensionNotifier.h"

#include "plugin/OspryPlugin.h"
#include "plugin/TKW_ModifierKeyBroadcaster.h"
#include "viewer/JobViewFrame.h"
#include "viewer/JobViewSection.h"
#include "viewer/OspryDialog.h"

EventExtensionNotifier::EventExtensionNotifier(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "KV Viewer Modifier Key Stroke Notifier", TKW_ModifierKeyBroadcaster::kNotifierType)
    , m_plugin(plugin)
{
}

ASErr EventExtensionNotifier::Notify(AINotifierMessage* message)
{
    const OspryDialog* panel = m_plugin->GetPanel();
    if (panel == nullptr || !panel->IsPanelShown() || message->notifyData == nullptr)
        return kNoErr;
    const JobViewSection* section = panel->GetJobViewSection();
    if (JobViewFrame* canvas = section != nullptr ? section->GetCanvas() : nullptr)
        canvas->SetHostModifiers(*static_cast<const ASUInt32*>(message->notifyData));
    return kNoErr;
}
