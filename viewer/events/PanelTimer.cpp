#include "viewer/events/PanelTimer.h"

#include "plugin/TKW_AIPlugin.h"
#include "viewer/PanelOwner.h"

PanelTimer::PanelTimer(PanelOwner& owner, const char* name, ASInt32 period, Handler handler)
    : TKW_AITimer(&owner.Registries(), name, period), m_owner(owner), m_handler(handler)
{
}

ASErr PanelTimer::Go(AITimerMessage*, const char*)
{
    if (OspryDialog* panel = m_owner.GetPanel())
        m_handler(*panel);
    return kNoErr;
}
