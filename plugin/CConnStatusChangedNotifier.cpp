#include "plugin/CConnStatusChangedNotifier.h"

#include "plugin/OspryPlugin.h"

CConnStatusChangedNotifier::CConnStatusChangedNotifier(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "KVViewerCSNotif", "HL Conn Stat"), m_plugin(plugin)
{
}

ASErr CConnStatusChangedNotifier::Notify(AINotifierMessage*)
{
    m_plugin->RefreshConnectionStatus();
    return kNoErr;
}
