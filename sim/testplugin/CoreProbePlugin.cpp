#include "sim/testplugin/CoreProbePlugin.h"

#include "plugin/HostSuites.h"
#include "plugin/MenuGroups.h"
#include "plugin/PluginMain.h"
#include "plugin/TKW_AIMenuHandler.h"
#include "plugin/TKW_AISuiteManager.h"
#include "plugin/TKW_ModifierKeyBroadcaster.h"
#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/AITimerSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPSuitesSuite.h"
#include "sim/testplugin/CoreProbeSuite.h"
#include "sim/testplugin/ProbeLog.h"
#include "sim/testplugin/ProbeObjects.h"

namespace {

CoreProbePlugin* g_probe = nullptr;

constexpr ASErr kUnknownIdErr = FourCC("PARM");

extern const CoreProbeSuite kProbeSuite;

}  // namespace

std::unique_ptr<TKW_AIPlugin> CreatePlugin(SPMessageData* message)
{
    return std::make_unique<CoreProbePlugin>(message);
}

CoreProbePlugin::CoreProbePlugin(SPMessageData* message) : TKW_AIPlugin(message)
{
    if (GetStartupError() != kNoErr)
        return;
    g_probe = this;
    for (const char* name : {AIMenuSuite::kName, AITimerSuite::kName, SPSuitesSuite::kName})
        AddSuite(name);
    TKW_AISuiteManager::Instance().AcquireAll();

    if (const SPSuitesSuite* suites = HostSuite<SPSuitesSuite>())
        suites->AddSuite(GetPluginRef(), CoreProbeSuite::kName, CoreProbeSuite::kVersion, &kProbeSuite, nullptr);
    CreateMenuGroup(this, "Hueline", nullptr, 0);
    m_subMenu = std::make_unique<TKW_AISubMenu>(this, "Hueline", "Viewer", 0);
}

CoreProbePlugin::~CoreProbePlugin()
{
    for (const ASInt32 id : m_refused)
        DeleteObject(id);
    m_subMenu.reset();
    if (g_probe == this) {
        g_probe = nullptr;
        ProbeLog("~plugin(" + std::to_string(TKW_AISuiteManager::Instance().GetNestingCount()) + ")");
    }
}

CoreProbePlugin* CoreProbePlugin::Current()
{
    return g_probe;
}

ASErr CoreProbePlugin::OnApplicationStarted()
{
    ProbeLog("started");
    return kNoErr;
}

ASErr CoreProbePlugin::OnApplicationShutdown()
{
    ProbeLog("shutdown");
    return kNoErr;
}

ASInt32 CoreProbePlugin::AddProbeNotifier(const char* type, AINotifierHandle* handle)
{
    const ASInt32 id = m_nextId++;
    auto* notifier = new ProbeNotifier(this, id, type);
    m_deleters[id] = [notifier] { delete notifier; };
    *handle = notifier->GetHandle();
    AddNotifier(notifier);
    return id;
}

ASErr CoreProbePlugin::AddProbeMenuItem(const char* text, ASErr goResult, ASInt32* id, AIMenuItemHandle* handle)
{
    *id = m_nextId++;
    auto* menu = new ProbeMenu(this, *id, m_subMenu.get(), text, goResult);
    m_deleters[*id] = [menu] { delete menu; };
    m_menus[*id] = menu;
    *handle = menu->GetHandle();
    return Keep(*id, AddMenu(menu));
}

ASErr CoreProbePlugin::AddProbeTimer(ASInt32 period, ASInt32* id, AITimerHandle* handle)
{
    *id = m_nextId++;
    auto* timer = new ProbeTimer(this, *id, period);
    m_deleters[*id] = [timer] { delete timer; };
    *handle = timer->GetHandle();
    return Keep(*id, AddTimer(timer));
}

ASErr CoreProbePlugin::DeleteObject(ASInt32 id)
{
    const auto found = m_deleters.find(id);
    if (found == m_deleters.end())
        return kUnknownIdErr;
    const std::function<void()> deleter = found->second;
    deleter();
    return kNoErr;
}

ASInt32 CoreProbePlugin::MenuSlot(ASInt32 id) const
{
    const auto found = m_menus.find(id);
    if (found == m_menus.end())
        return -1;
    const std::size_t slot = GetMenuHandler().SlotOf(found->second);
    return slot == TKW_AIMenuHandler::kSlotCount ? -1 : static_cast<ASInt32>(slot);
}

ASErr CoreProbePlugin::Keep(ASInt32 id, ASErr added)
{
    if (added != kNoErr)
        m_refused.push_back(id);
    return added;
}

void CoreProbePlugin::Forget(ASInt32 id)
{
    m_deleters.erase(id);
    m_menus.erase(id);
}

namespace {

void RunStartupAction(void* tag)
{
    ProbeLog("action " + std::to_string(reinterpret_cast<std::intptr_t>(tag)));
}

// Every entry needs a running probe; without one it answers "PARM" (or nothing).
template <class Result, class Call>
Result WithProbe(Result absent, Call call)
{
    return g_probe != nullptr ? call(*g_probe) : absent;
}

const CoreProbeSuite kProbeSuite = {
    [](const char* name) { return WithProbe(kUnknownIdErr, [&](CoreProbePlugin& p) { return p.AddSuite(name); }); },
    [](const char* type, AINotifierHandle* handle) {
        return WithProbe(ASInt32{-1}, [&](CoreProbePlugin& p) { return p.AddProbeNotifier(type, handle); });
    },
    [](const char* text, ASErr goResult, ASInt32* id, AIMenuItemHandle* handle) {
        return WithProbe(kUnknownIdErr,
                         [&](CoreProbePlugin& p) { return p.AddProbeMenuItem(text, goResult, id, handle); });
    },
    [](ASInt32 period, ASInt32* id, AITimerHandle* handle) {
        return WithProbe(kUnknownIdErr, [&](CoreProbePlugin& p) { return p.AddProbeTimer(period, id, handle); });
    },
    [](ASInt32 id) { return WithProbe(kUnknownIdErr, [&](CoreProbePlugin& p) { return p.DeleteObject(id); }); },
    [](ASInt32 id) { return WithProbe(ASInt32{-1}, [&](CoreProbePlugin& p) { return p.MenuSlot(id); }); },
    [] {
        return WithProbe(ASInt32{-1},
                         [](CoreProbePlugin& p) { return static_cast<ASInt32>(p.GetMenuHandler().HighWaterCount()); });
    },
    [](ASInt32 tag) {
        if (g_probe != nullptr)
            g_probe->AddStartupAction(RunStartupAction, reinterpret_cast<void*>(static_cast<std::intptr_t>(tag)));
    },
    [](ASInt32 tag) {
        if (g_probe != nullptr)
            g_probe->AddOwnedPanel(std::make_unique<ProbePanel>(tag));
    },
    [](ASUInt32 bits) { return TKW_ModifierKeyBroadcaster::Instance().OnModifiersChanged(bits); },
    [](char* buffer, std::size_t size) {
        return WithProbe(kUnknownIdErr, [&](CoreProbePlugin& p) { return p.GetHostFolderText(buffer, size); });
    },
    [](char* buffer, std::size_t size) {
        return WithProbe(kUnknownIdErr, [&](CoreProbePlugin& p) { return p.GetResourceFolderText(buffer, size); });
    },
    [] { return WithProbe(AIBoolean{0}, [](CoreProbePlugin& p) { return AIBoolean{p.IsApplicationStarted()}; }); },
    [] { return ProbeLogText(); },
    [] { ClearProbeLog(); },
};

}  // namespace
