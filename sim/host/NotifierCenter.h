#pragma once

#include "plugin/suites/SPTypes.h"
#include "sim/common/HandleTable.h"

#include <functional>
#include <string>
#include <vector>

namespace hostsim {

// A notifier as the host keeps it.
struct Notifier
{
    SPPluginRef owner;
    std::string name;
    std::string type;
    bool active = true;
};

// Notifiers of every plug-in. A plug-in never withdraws its registrations, as in the real host;
// they go when the host unloads the plug-in.
class NotifierCenter
{
public:
    using Deliver = std::function<void(AINotifierHandle, const Notifier&, void* data)>;

    AINotifierHandle Add(SPPluginRef owner, const char* name, const char* type);
    Notifier* Find(AINotifierHandle notifier) const { return m_notifiers.Find(notifier); }
    // Delivers to every active notifier of the type, in registration order. Notifiers added
    // during the broadcast are not reached by it.
    void Broadcast(const char* type, void* data, const Deliver& deliver) const;
    // Oldest first.
    std::vector<AINotifierHandle> All() const { return m_notifiers.Handles(); }
    void RemoveOwnedBy(SPPluginRef owner)
    {
        m_notifiers.RemoveIf([owner](const Notifier& notifier) { return notifier.owner == owner; });
    }

private:
    sim::HandleTable<AINotifierHandle, Notifier> m_notifiers;
};

}  // namespace hostsim
