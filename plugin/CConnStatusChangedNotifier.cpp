#include "plugin/CConnStatusChangedNotifier.h"

#include "plugin/OspryPlugin.h"

CConnStatusChangedNotifier::CConnStatusChangedNotifier(OspryPlugin* plugin)
    : TKW_AINotifier(plugin, "KVViewerCSNotif", "HL Conn Stat")
{
}

// The status and ink warning sections live on the panel and refresh from there.
ASErr CConnStatusChangedNotifier::Notify(AINotifierMessage*)
{
    return kNoErr;
}
