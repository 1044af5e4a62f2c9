#pragma once

#include "plugin/TKW_AIPlugin.h"
#include "plugin/TKW_AISubMenu.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

// The test plug-in: a TKW_AIPlugin that publishes "HL Core Probe Suite" and creates, on request,
// notifiers, menu items, timers, start-up actions and owned panels. Like a real plug-in, its
// constructor ends holding its suites (an AcquireAll without a ReleaseAll).
class CoreProbePlugin final : public TKW_AIPlugin
{
public:
    explicit CoreProbePlugin(SPMessageData* message);
    ~CoreProbePlugin() override;

    // The running probe, or null.
    static CoreProbePlugin* Current();

    ASErr OnApplicationStarted() override;
    ASErr OnApplicationShutdown() override;

    ASInt32 AddProbeNotifier(const char* type, AINotifierHandle* handle);
    ASErr AddProbeMenuItem(const char* text, ASErr goResult, ASInt32* id, AIMenuItemHandle* handle);
    ASErr AddProbeTimer(ASInt32 period, ASInt32* id, AITimerHandle* handle);
    ASErr DeleteObject(ASInt32 id);
    ASInt32 MenuSlot(ASInt32 id) const;

    // Called by the probe's objects as they are deleted.
    void Forget(ASInt32 id);

private:
    // Remembers an object its registry refused; returns the registry's code.
    ASErr Keep(ASInt32 id, ASErr added);

    ASInt32 m_nextId = 1;
    std::unique_ptr<TKW_AISubMenu> m_subMenu;
    std::map<ASInt32, std::function<void()>> m_deleters;
    std::map<ASInt32, const TKW_AIMenu*> m_menus;
    // Objects a full registry refused stay the probe's to delete.
    std::vector<ASInt32> m_refused;
};
