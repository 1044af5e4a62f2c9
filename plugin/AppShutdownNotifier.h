#pragma once

#include "plugin/TKW_AINotifier.h"

// Tells the plug-in that the host application shuts down: OnApplicationShutdown, then the owned
// panels commit their items and are deleted.
class AppShutdownNotifier final : public TKW_AINotifier
{
public:
    explicit AppShutdownNotifier(TKW_AIPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;
};
