#include "viewer/events/DocChangedNotifier.h"

DocChangedNotifier::DocChangedNotifier(PanelOwner& owner, Handler handler)
    : PanelNotifier(owner, "TKOYUpdateGenSectionDocChanged", "AI Document Changed Notifier", handler)
{
}
