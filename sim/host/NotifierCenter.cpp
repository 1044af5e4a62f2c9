#include "sim/host/NotifierCenter.h"

namespace hostsim {

AINotifierHandle NotifierCenter::Add(SPPluginRef owner, const char* name, const char* type)
{
    return m_notifiers.Add(std::make_unique<Notifier>(Notifier{owner, name, type}));
}

void NotifierCenter::Broadcast(const char* type, void* data, const Deliver& deliver) const
{
    for (const AINotifierHandle handle : m_notifiers.Handles()) {
        const Notifier* notifier = Find(handle);
        if (notifier && notifier->active && notifier->type == type)
            deliver(handle, *notifier, data);
    }
}

}  // namespace hostsim
