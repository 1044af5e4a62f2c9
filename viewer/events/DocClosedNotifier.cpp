#include "viewer/events/DocClosedNotifier.h"

DocClosedNotifier::DocClosedNotifier(PanelOwner& owner, Handler handler)
    : PanelNotifier(owner, "TKOYUpdateGenSectionDocChanged", "AI Document Closed Notifier", handler)
{
}
