#pragma once

#include "viewer/events/PanelNotifier.h"

// "HL Modifier Key Stroke Notifier", which the plug-in broadcasts from the toolkit manager
// library's keyboard handler while the host has the keyboard focus; its data is the modifier word
// (Shift 32, Control 64, Alt 128, space 512), for the canvas, so that the tools follow Control,
// Alt and the space bar pressed in the host. Registered as "KV Viewer Modifier Key Stroke
// Notifier".
class EventExtensionNotifier final : public PanelNotifier
{
public:
    EventExtensionNotifier(PanelOwner& owner, Handler handler);
};
