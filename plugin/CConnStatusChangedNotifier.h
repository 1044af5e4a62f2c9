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

    ASErr Notify(AINotifierMessage* message) override;
};
