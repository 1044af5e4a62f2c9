#pragma once

#include "plugin/suites/SPMessages.h"
#include "plugin/suites/SPTypes.h"

class TKW_AIPlugin;

// Base of every timer. The constructor registers an active host timer of `period` ticks (1/60 s)
// for the plug-in; the creator then hands the object to TKW_AIPlugin::AddTimer, whose registry
// owns it. Deleting the object takes it out of the registry.
class TKW_AITimer
{
public:
    TKW_AITimer(TKW_AIPlugin* plugin, const char* name, ASInt32 period);
    virtual ~TKW_AITimer();

    TKW_AITimer(const TKW_AITimer&) = delete;
    TKW_AITimer& operator=(const TKW_AITimer&) = delete;

    // Called by the registry for each tick; forwards to Go.
    virtual ASErr Notify(AITimerMessage* message, const char* selector);
    // Subclasses override this one.
    virtual ASErr Go(AITimerMessage* message, const char* selector);

    // Null when the host registration failed.
    AITimerHandle GetHandle() const { return m_handle; }
    TKW_AIPlugin* GetPlugin() const { return m_plugin; }

    ASErr SetActive(bool active);

private:
    AITimerHandle m_handle = nullptr;
    TKW_AIPlugin* m_plugin;
};
