#pragma once

#include "plugin/TKW_AINotifier.h"

class OspryPlugin;

// Hears the engine's "HL Conn Stat" broadcast, after which the panel refreshes its connection
// status and ink warning sections. Created once the engine is attached; the notifier registry
// owns it.
class CConnStatusChangedNotifier final : public TKW_AINotifier
{
public:
    explicit CConnStatusChangedNotifier(OspryPlugin* plugin);

    // Refreshes the panel's connection status and then its ink warning.
    ASErr Notify(AINotifierMessage* message) override;

private:
    OspryPlugin* m_plugin;
};
