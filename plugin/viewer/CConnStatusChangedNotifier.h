#pragma once

#include "plugin/TKW_AINotifier.h"

#include <functional>

// Hears the engine's "HL Conn Stat" broadcast, after which the panel refreshes its connection
// status and ink warning sections (`refresh`). Created once the engine is attached; the notifier
// registry owns it.
class CConnStatusChangedNotifier final : public TKW_AINotifier
{
public:
    CConnStatusChangedNotifier(TKW_AIPlugin* plugin, std::function<void()> refresh);

    ASErr Notify(AINotifierMessage* message) override;

private:
    std::function<void()> m_refresh;
};
