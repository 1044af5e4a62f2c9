#include "sim/host/TimerCenter.h"

namespace hostsim {

AITimerHandle TimerCenter::Add(SPPluginRef owner, const char* name, ASInt32 period)
{
    return m_timers.Add(std::make_unique<Timer>(Timer{owner, name, period, true, m_now}));
}

bool TimerCenter::SetActive(AITimerHandle timer, bool active)
{
    Timer* found = Find(timer);
    if (!found)
        return false;
    if (active && !found->active)
        found->lastDelivered = m_now;
    found->active = active;
    return true;
}

void TimerCenter::Advance(long long ticks, const Deliver& deliver)
{
    for (long long tick = 0; tick < ticks; ++tick) {
        ++m_now;
        for (const AITimerHandle handle : m_timers.Handles()) {
            Timer* timer = Find(handle);
            if (timer && timer->active && m_now - timer->lastDelivered >= timer->period) {
                timer->lastDelivered = m_now;
                deliver(handle, *timer);
            }
        }
    }
}

}  // namespace hostsim
