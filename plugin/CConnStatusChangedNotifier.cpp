#include "plugin/CConnStatusChangedNotifier.h"

#include "plugin/OspryPlugin.h"
#include "settings/ui/HuelineSection.h"
#include "settings/ui/InkWarningSection.h"
#include "viewer/OspryDialog.h"

CConnStatusChangedNotifier::CConnStatusChangedNotifier(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "KVViewerCSNotif", "HL Conn Stat"), m_plugin(plugin)
{
}

ASErr CConnStatusChangedNotifier::Notify(AINotifierMessage*)
{
    const OspryDialog* panel = m_plugin->GetPanel();
    if (panel == nullptr || !panel->AreItemsCreated())
        return kNoErr;
    panel->GetStatusSection()->Refresh();
    panel->GetInkWarningSection()->Refresh();
    return kNoErr;
}
