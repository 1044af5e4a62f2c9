#pragma once

#include "plugin/TKW_AINotifier.h"

class OspryPlugin;

// Hears "HL Modifier Key Stroke Notifier", which the plug-in broadcasts from the toolkit manager
// library's keyboard handler while the host has the keyboard focus, and hands the modifier word
// (Shift 32, Control 64, Alt 128, space 512) to the canvas while the panel is shown, so that the
// tools follow Control, Alt and the space bar pressed in the host. Registered as "KV Viewer
// Modifier Key Stroke Notifier" when the panel is created; the notifier registry owns it. It
// finds the canvas through the plug-in's panel, so it outlives the panel harmlessly.
class EventExtensionNotifier final : public TKW_AINotifier
{
public:
    explicit EventExtensionNotifier(OspryPlugin* plugin);

    // A notification without data changes nothing.
    ASErr Notify(AINotifierMessage* message) override;

private:
    OspryPlugin* m_plugin;
};
