#pragma once

#include "plugin/TKW_AINotifier.h"

// Hears that the host's colour matching preferences changed and passes that on to the engine.
// Created once the engine is attached; the notifier registry owns it.
class CColorSettingsChangedNotifier final : public TKW_AINotifier
{
public:
    explicit CColorSettingsChangedNotifier(TKW_AIPlugin* plugin);

    ASErr Notify(AINotifierMessage* message) override;
};
