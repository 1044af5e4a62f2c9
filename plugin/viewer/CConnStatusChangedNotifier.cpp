#include "plugin/viewer/CConnStatusChangedNotifier.h"

#include <utility>

CConnStatusChangedNotifier::CConnStatusChangedNotifier(TKW_AIPlugin* plugin, std::function<void()> refresh)
    : TKW_AINotifier(plugin, "KVViewerCSNotif", "HL Conn Stat"), m_refresh(std::move(refresh))
{
}

ASErr CConnStatusChangedNotifier::Notify(AINotifierMessage*)
{
    m_refresh();
    return kNoErr;
}
