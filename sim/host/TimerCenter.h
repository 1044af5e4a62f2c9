#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/common/HandleTable.h"

#include <functional>
#include <string>
#include <vector>

namespace hostsim {

// A timer as the host keeps it.
struct Timer
{
    SPPluginRef owner;
    std::string name;
    ASInt32 period;           // ticks between two deliveries
    bool active = true;
    long long lastDelivered;  // tick of the last delivery, or of activation
};

// Timers of every plug-in, driven by host ticks (1/60 s).
class TimerCenter
{
public:
    using Deliver = std::function<void(AITimerHandle, const Timer&)>;

    AITimerHandle Add(SPPluginRef owner, const char* name, ASInt32 period);
    bool SetActive(AITimerHandle timer, bool active);
    long long Now() const { return m_now; }
    // Advances the clock one tick at a time and delivers every active timer whose period has
    // passed. Timers added during delivery start counting from their creation.
    void Advance(long long ticks, const Deliver& deliver);
    Timer* Find(AITimerHandle timer) const { return m_timers.Find(timer); }
    // Oldest first.
    std::vector<AITimerHandle> All() const { return m_timers.Handles(); }
    void RemoveOwnedBy(SPPluginRef owner)
    {
        m_timers.RemoveIf([owner](const Timer& timer) { return timer.owner == owner; });
    }

private:
    sim::HandleTable<AITimerHandle, Timer> m_timers;
    long long m_now = 0;
};

}  // namespace hostsim
