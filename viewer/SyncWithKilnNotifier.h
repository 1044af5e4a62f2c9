#pragma once

#include "plugin/TKW_AINotifier.h"

class OspryPlugin;

// Hears the engine's "OY Sync": the engine pushed a job, which the panel takes in; the data points
// to a bool, true to keep the canvas's view, or is null (fit the whole job).
// The notifier registry owns it; it finds the section through the plug-in's panel, so it
// outlives the panel harmlessly.
class SyncWithKilnNotifier final : public TKW_AINotifier
{
public:
    explicit SyncWithKilnNotifier(OspryPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;

private:
    OspryPlugin* m_plugin;
};
