#pragma once

#include "plugin/suites/SPMessages.h"
#include "plugin/suites/SPTypes.h"

class TKW_AIPlugin;

// Base of every notifier. The constructor registers a host notifier of `type` for the plug-in;
// the creator then hands the object to TKW_AIPlugin::AddNotifier, whose registry owns it.
// Deleting the object takes it out of the registry (its host registration stays; later messages
// for the handle find no object).
class TKW_AINotifier
{
public:
    TKW_AINotifier(TKW_AIPlugin* plugin, const char* name, const char* type);
    virtual ~TKW_AINotifier();

    TKW_AINotifier(const TKW_AINotifier&) = delete;
    TKW_AINotifier& operator=(const TKW_AINotifier&) = delete;

    // The host's notification; the result is not passed on to the host.
    virtual ASErr Notify(AINotifierMessage* message);

    // Null when the host registration failed.
    AINotifierHandle GetHandle() const { return m_handle; }
    TKW_AIPlugin* GetPlugin() const { return m_plugin; }

    // Makes the host send or stop sending this notifier's notifications.
    ASErr SetActive(bool active);

private:
    AINotifierHandle m_handle = nullptr;
    TKW_AIPlugin* m_plugin;
};
