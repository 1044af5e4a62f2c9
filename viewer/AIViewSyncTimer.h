#pragma once

#include "plugin/TKW_AITimer.h"

class OspryPlugin;

// Retries a pull of the host's view that failed because the view could not report its bounds
// yet: made active by the failed pull, it fires on the next host tick, goes idle again and pulls
// the host's first document view, if there is one now. Registered idle as "TKOYVieSyncTimer"
// when the panel is created; the timer registry owns it; it finds the job view section through
// the plug-in's panel.
class AIViewSyncTimer final : public TKW_AITimer
{
public:
    static constexpr ASInt32 kPeriod = 1;

    explicit AIViewSyncTimer(OspryPlugin* plugin);

    ASErr Go(AITimerMessage* message, const char* selector) override;

private:
    OspryPlugin* m_plugin;
};
