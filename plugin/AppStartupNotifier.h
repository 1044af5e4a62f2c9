#pragma once

#include "plugin/TKW_AINotifier.h"

// Tells the plug-in that the host application has started: OnApplicationStarted, then the
// started flag.
class AppStartupNotifier final : public TKW_AINotifier
{
public:
    explicit AppStartupNotifier(TKW_AIPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;
};
