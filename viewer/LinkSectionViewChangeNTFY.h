#pragma once

#include "plugin/TKW_AINotifier.h"

class OspryPlugin;

// Hears "AI Document View Changed Notifier" and has the panel's link section pull the host's
// view (which does nothing while the link is off). Registered as "LinkSection DocView Changed"
// when the panel is created; the notifier registry owns it. It finds the section through the
// plug-in's panel, so it outlives the panel harmlessly.
class LinkSectionViewChangeNTFY final : public TKW_AINotifier
{
public:
    explicit LinkSectionViewChangeNTFY(OspryPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;

private:
    OspryPlugin* m_plugin;
};
