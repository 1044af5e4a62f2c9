#include "sim/host/NotifierCenter.h"

#include "sim/host/OwnedList.h"

namespace hostsim {

AINotifierHandle NotifierCenter::Add(SPPluginRef owner, const char* name, const char* type)
{
    m_notifiers.push_back(std::make_unique<AINotifierOpaque>(AINotifierOpaque{owner, name, type}));
    return m_notifiers.back().get();
}

AINotifierOpaque* NotifierCenter::Find(AINotifierHandle notifier) const
{
    return FindOwned(m_notifiers, notifier);
}

void NotifierCenter::Broadcast(const char* type, void* data, const Deliver& deliver) const
{
    const std::size_t known = m_notifiers.size();
    for (std::size_t i = 0; i < known; ++i) {
        AINotifierOpaque* notifier = m_notifiers[i].get();
        if (notifier->active && notifier->type == type)
            deliver(notifier, type, data);
    }
}

std::vector<const AINotifierOpaque*> NotifierCenter::All() const
{
    return ViewsOf(m_notifiers);
}

}  // namespace hostsim
