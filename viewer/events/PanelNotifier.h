#pragma once

#include "plugin/TKW_AINotifier.h"

class OspryDialog;
class PanelOwner;

// A notifier of the viewer panel, made for the panel's owner when the panel is created. The
// owner's notifier registry owns it, so it may outlive the panel: each notification goes to the
// handler with the owner's panel of the moment, and nowhere while there is none. The host is
// always answered with no error.
class PanelNotifier : public TKW_AINotifier
{
public:
    using Handler = void (*)(OspryDialog& panel, const AINotifierMessage& message);

    PanelNotifier(PanelOwner& owner, const char* name, const char* type, Handler handler);

    ASErr Notify(AINotifierMessage* message) final;

private:
    PanelOwner& m_owner;
    Handler m_handler;
};
