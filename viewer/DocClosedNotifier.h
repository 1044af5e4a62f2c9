#pragma once

#include "plugin/TKW_AINotifier.h"

class OspryPlugin;

// Hears "AI Document Closed Notifier" for the Generate/Update section.
// The notifier registry owns it; it finds the section through the plug-in's panel, so it
// outlives the panel harmlessly.
class DocClosedNotifier final : public TKW_AINotifier
{
public:
    explicit DocClosedNotifier(OspryPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;

private:
    OspryPlugin* m_plugin;
};
