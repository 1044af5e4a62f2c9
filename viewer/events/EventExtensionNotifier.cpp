#include "viewer/events/EventExtensionNotifier.h"

#include "plugin/TKW_ModifierKeyBroadcaster.h"

EventExtensionNotifier::EventExtensionNotifier(PanelOwner& owner, Handler handler)
    : PanelNotifier(owner, "KV Viewer Modifier Key Stroke Notifier", TKW_ModifierKeyBroadcaster::kNotifierType, handler)
{
}
