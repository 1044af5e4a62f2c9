#include "viewer/events/AIViewSyncTimer.h"

AIViewSyncTimer::AIViewSyncTimer(PanelOwner& owner, Handler handler)
    : PanelTimer(owner, "TKOYVieSyncTimer", kPeriod, handler)
{
    SetActive(false);
}

// Idle again also when there is no panel to hand the tick to.
ASErr AIViewSyncTimer::Go(AITimerMessage* message, const char* selector)
{
    SetActive(false);
    return PanelTimer::Go(message, selector);
}
