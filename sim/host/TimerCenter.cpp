#include "sim/host/TimerCenter.h"

#include "sim/host/OwnedList.h"

namespace hostsim {

AITimerHandle TimerCenter::Add(SPPluginRef owner, const char* name, ASInt32 period)
{
    m_timers.push_back(std::make_unique<AITimerOpaque>(AITimerOpaque{owner, name, period, true, m_now}));
    return m_timers.back().get();
}

AITimerOpaque* TimerCenter::Find(AITimerHandle timer) const
{
    return FindOwned(m_timers, timer);
}

bool TimerCenter::SetActive(AITimerHandle timer, bool active)
{
    AITimerOpaque* found = Find(timer);
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
        const std::size_t known = m_timers.size();
        for (std::size_t i = 0; i < known; ++i) {
            AITimerOpaque* timer = m_timers[i].get();
            if (timer->active && m_now - timer->lastDelivered >= timer->period) {
                timer->lastDelivered = m_now;
                deliver(timer);
            }
        }
    }
}

std::vector<const AITimerOpaque*> TimerCenter::All() const
{
    return ViewsOf(m_timers);
}

}  // namespace hostsim
