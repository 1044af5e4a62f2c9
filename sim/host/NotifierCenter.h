#pragma once

#include "plugin/suites/SPTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A notifier as the host keeps it; its address is the handle the plug-in sees.
struct AINotifierOpaque
{
    SPPluginRef owner;
    std::string name;
    std::string type;
    bool active = true;
};

namespace hostsim {

// Notifiers of every plug-in. Registrations are never withdrawn, as in the real host.
class NotifierCenter
{
public:
    using Deliver = std::function<void(AINotifierHandle, const char* type, void* data)>;

    AINotifierHandle Add(SPPluginRef owner, const char* name, const char* type);
    AINotifierOpaque* Find(AINotifierHandle notifier) const;
    // Delivers to every active notifier of the type, in registration order. Notifiers added
    // during the broadcast are not reached by it.
    void Broadcast(const char* type, void* data, const Deliver& deliver) const;
    std::vector<const AINotifierOpaque*> All() const;

private:
    std::vector<std::unique_ptr<AINotifierOpaque>> m_notifiers;
};

}  // namespace hostsim
