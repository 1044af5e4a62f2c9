#pragma once

#include "plugin/TKW_AINotifier.h"

class OspryPlugin;

// Hears the engine's "KilnODL Load Type Query", asked before the engine offers a regeneration of a
// changed job: while the panel is visible the viewer answers that it shows the job.
// The notifier registry owns it; it finds the section through the plug-in's panel, so it
// outlives the panel harmlessly.
class KilnODLLoadTypeQueryNotifier final : public TKW_AINotifier
{
public:
    explicit KilnODLLoadTypeQueryNotifier(OspryPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;

private:
    OspryPlugin* m_plugin;
};
