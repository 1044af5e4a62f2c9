#pragma once

#include "plugin/TKW_AINotifier.h"

#include <functional>

// Hears that the host's colour matching preferences changed: the panel's preview applies them
// (`applyToPreview`), then the engine's generation suite hears of them.
// Created once the engine is attached; the notifier registry owns it.
class CColorSettingsChangedNotifier final : public TKW_AINotifier
{
public:
    CColorSettingsChangedNotifier(TKW_AIPlugin* plugin, std::function<void()> applyToPreview);

    ASErr Notify(AINotifierMessage* message) override;

private:
    std::function<void()> m_applyToPreview;
};
