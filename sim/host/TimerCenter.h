#pragma once

#include "plugin/suites/SPTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A timer as the host keeps it; its address is the handle the plug-in sees.
struct AITimerOpaque
{
    SPPluginRef owner;
    std::string name;
    ASInt32 period;           // ticks between two deliveries
    bool active = true;
    long long lastDelivered;  // tick of the last delivery, or of activation
};

namespace hostsim {

// Timers of every plug-in, driven by host ticks (1/60 s).
class TimerCenter
{
public:
    using Deliver = std::function<void(AITimerHandle)>;

    AITimerHandle Add(SPPluginRef owner, const char* name, ASInt32 period);
    bool SetActive(AITimerHandle timer, bool active);
    long long Now() const { return m_now; }
    // Advances the clock one tick at a time and delivers every active timer whose period has
    // passed. Timers added during delivery start counting from their creation.
    void Advance(long long ticks, const Deliver& deliver);
    std::vector<const AITimerOpaque*> All() const;

private:
    AITimerOpaque* Find(AITimerHandle timer) const;

    std::vector<std::unique_ptr<AITimerOpaque>> m_timers;
    long long m_now = 0;
};

}  // namespace hostsim
