#pragma once

#include "plugin/TKW_AITimer.h"

class OspryDialog;
class PanelOwner;

// A timer of the viewer panel, made for the panel's owner when the panel is created. The owner's
// timer registry owns it, so it may outlive the panel: each tick goes to the handler with the
// owner's panel of the moment, and nowhere while there is none.
class PanelTimer : public TKW_AITimer
{
public:
    using Handler = void (*)(OspryDialog& panel);

    PanelTimer(PanelOwner& owner, const char* name, ASInt32 period, Handler handler);

    ASErr Go(AITimerMessage* message, const char* selector) override;

private:
    PanelOwner& m_owner;
    Handler m_handler;
};
