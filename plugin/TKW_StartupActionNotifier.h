#pragma once

#include "plugin/TKW_AINotifier.h"

// Runs the queued start-up actions once the host's initialisation has been dispatched, then
// deactivates and deletes itself. Created by TKW_AIPlugin::AddStartupAction for the first action
// queued.
class TKW_StartupActionNotifier final : public TKW_AINotifier
{
public:
    explicit TKW_StartupActionNotifier(TKW_AIPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;
};
