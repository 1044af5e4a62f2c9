#include "viewer/events/DirtyDocumentTimer.h"

DirtyDocumentTimer::DirtyDocumentTimer(PanelOwner& owner, Handler handler)
    : PanelTimer(owner, "TKOYUpdateGenSectionDirtyTester", kPeriod, handler)
{
}
