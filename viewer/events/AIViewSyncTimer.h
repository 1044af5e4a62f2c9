#pragma once

#include "viewer/events/PanelTimer.h"

// Retries a pull of the host's view that could not read the view's bounds yet: made active by the
// failed pull, it fires on the next host tick and goes idle again before its handler runs.
// Registered idle as "TKOYVieSyncTimer".
class AIViewSyncTimer final : public PanelTimer
{
public:
    static constexpr ASInt32 kPeriod = 1;

    AIViewSyncTimer(PanelOwner& owner, Handler handler);

    ASErr Go(AITimerMessage* message, const char* selector) override;
};
