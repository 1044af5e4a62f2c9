#include "sim/host/Host.h"

#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPBasicSuite.h"
#include "sim/host/AppWindow.h"
#include "sim/host/HostSuites.h"
#include "sim/host/PiplReader.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <dlfcn.h>

#include <algorithm>
#include <cassert>
#include <filesystem>
#include <sstream>

namespace hostsim {
namespace {

Host* g_current = nullptr;

constexpr const char* kApplicationStartedNotifier = "AI Application Started Notifier";
constexpr const char* kInitDispatchedNotifier = "AI OwlApp Init Dispatched Notifier";
constexpr const char* kApplicationShutdownNotifier = "AI Application Shutdown Notifier";
constexpr const char* kColorSettingsNotifier = "AI Command Notifier: After Color Matching Preferences";

}  // namespace

ASErr BadParameterError()
{
    return FourCC("PARM");
}

Host::Host()
{
    assert(!g_current && "one host at a time");
    g_current = this;
    RegisterInertSuites(m_suites);
    RegisterPluginSuites(m_suites);
    RegisterStringSuites(m_suites);
    RegisterEventSuites(m_suites);
    RegisterMenuSuite(m_suites);
    RegisterDocumentSuites(m_suites);
    RegisterUserSuite(m_suites);
    RegisterPanelSuites(m_suites);
    RegisterFlyoutMenuSuite(m_suites);
    RegisterPreferenceSuite(m_suites);
}

Host::~Host()
{
    // A host that quits shuts its plug-ins down first, as the real application does.
    if (AnyPluginStarted())
        Shutdown();
    m_panels.DestroyAll();
    UnloadPlugins();
    g_current = nullptr;
}

bool Host::AnyPluginStarted() const
{
    return std::any_of(m_plugins.begin(), m_plugins.end(), [](const auto& plugin) { return plugin->started; });
}

void Host::UnloadPlugins()
{
    if (AnyPluginStarted())
        Shutdown();
    for (const auto& plugin : m_plugins)
        m_panels.DestroyOwnedBy(plugin.get());
    // What the plug-ins queued while shutting down still reaches their code, as in the real
    // application, whose event loop runs on until the plug-ins are unloaded.
    if (QCoreApplication::instance()) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    while (!m_plugins.empty()) {
        Forget(*m_plugins.back());
        m_plugins.pop_back();
    }
}

// Handles the host gave the plug-in stay unknown once it is gone.
void Host::Forget(SPPlugin& plugin)
{
    m_suites.RemoveAddedBy(&plugin);
    m_notifiers.RemoveOwnedBy(&plugin);
    m_timers.RemoveOwnedBy(&plugin);
    m_menus.RemoveItemsOf(&plugin);
    m_access.erase(&plugin);
}

AppWindow& Host::PlatformAppWindow()
{
    if (!m_appWindow) {
        m_appWindow = std::make_unique<AppWindow>();
        m_appWindow->show();
    }
    return *m_appWindow;
}

Host& Host::Current()
{
    assert(g_current && "no host");
    return *g_current;
}

const std::string* Host::Folder(ASInt32 kind) const
{
    const auto folder = m_folders.find(kind);
    return folder == m_folders.end() ? nullptr : &folder->second;
}

SPPlugin* Host::LoadPlugin(const std::string& path, std::string& error)
{
    const std::optional<PluginProperties> properties = ReadPluginProperties(path, error);
    if (!properties)
        return nullptr;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error = dlerror();
        return nullptr;
    }
    auto entry = reinterpret_cast<PluginMainProc>(dlsym(library, properties->entryPoint.c_str()));
    if (!entry) {
        dlclose(library);
        error = "no entry point " + properties->entryPoint;
        return nullptr;
    }
    m_plugins.push_back(std::make_unique<SPPlugin>(path, library, entry));
    return m_plugins.back().get();
}

std::vector<std::string> Host::LoadPluginFolder(const std::string& folder, const std::vector<std::string>& except)
{
    std::vector<std::string> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        if (entry.path().extension() == ".aip" &&
            std::find(except.begin(), except.end(), entry.path().filename().string()) == except.end())
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());

    std::vector<std::string> refusals;
    for (const std::string& file : files) {
        std::string error;
        if (!LoadPlugin(file, error))
            refusals.push_back(file + ": " + error);
    }
    return refusals;
}

SPPlugin* Host::FindPlugin(const std::string& fileName) const
{
    for (const auto& plugin : m_plugins)
        if (std::filesystem::path(plugin->path).filename() == fileName)
            return plugin.get();
    return nullptr;
}

std::vector<SPPlugin*> Host::Plugins() const
{
    std::vector<SPPlugin*> plugins;
    for (const auto& plugin : m_plugins)
        plugins.push_back(plugin.get());
    return plugins;
}

void Host::Startup()
{
    StartPlugins();
    FinishStartup();
}

void Host::StartPlugins()
{
    for (const auto& plugin : m_plugins)
        SendStartup(*plugin);
}

void Host::FinishStartup()
{
    Broadcast(kApplicationStartedNotifier);
    Broadcast(kInitDispatchedNotifier);
}

void Host::Shutdown()
{
    Broadcast(kApplicationShutdownNotifier);
    for (auto plugin = m_plugins.rbegin(); plugin != m_plugins.rend(); ++plugin)
        if ((*plugin)->started)
            SendShutdown(**plugin);
}

SPMessageData Host::Header(SPPlugin& plugin) const
{
    return SPMessageData{kSPValidSPMessageData, &plugin, nullptr, &BasicSuiteTable()};
}

SPErr Host::Send(SPPlugin& plugin, const char* caller, const char* selector, void* message)
{
    return plugin.entry(caller, selector, message);
}

SPErr Host::SendStartup(SPPlugin& plugin)
{
    SPMessageData message = Header(plugin);
    plugin.startupResult = Send(plugin, kSPInterfaceCaller, kSPInterfaceStartupSelector, &message);
    plugin.started = plugin.startupResult == kNoErr;
    return plugin.startupResult;
}

SPErr Host::SendShutdown(SPPlugin& plugin)
{
    SPMessageData message = Header(plugin);
    plugin.started = false;
    return Send(plugin, kSPInterfaceCaller, kSPInterfaceShutdownSelector, &message);
}

void Host::Broadcast(const char* type, void* data)
{
    m_notifiers.Broadcast(type, data, [this, type](AINotifierHandle handle, const Notifier& notifier, void* notifyData) {
        if (!notifier.owner->started)
            return;
        AINotifierMessage message{Header(*notifier.owner), handle, type, notifyData};
        Send(*notifier.owner, kCallerAINotifier, kSelectorAINotify, &message);
    });
}

SPErr Host::ChooseMenuItem(AIMenuItemHandle item)
{
    const MenuItem* found = m_menus.FindItem(item);
    if (!found || !found->enabled)
        return BadParameterError();
    AIMenuMessage message{Header(*found->owner), item};
    return Send(*found->owner, kCallerAIMenu, kSelectorAIGoMenuItem, &message);
}

SPErr Host::UpdateMenuItem(AIMenuItemHandle item)
{
    const MenuItem* found = m_menus.FindItem(item);
    if (!found)
        return BadParameterError();
    AIMenuMessage message{Header(*found->owner), item};
    return Send(*found->owner, kCallerAIMenu, kSelectorAIUpdateMenuItem, &message);
}

void Host::AdvanceTicks(long long ticks)
{
    m_timers.Advance(ticks, [this](AITimerHandle handle, const Timer& timer) {
        if (!timer.owner->started)
            return;
        AITimerMessage message{Header(*timer.owner), handle};
        Send(*timer.owner, kCallerAITimer, kSelectorAIGoTimer, &message);
    });
}

void Host::ConfirmColorSettings()
{
    Broadcast(kColorSettingsNotifier);
}

ASUInt32 Host::TickCounter() const
{
    return static_cast<ASUInt32>(m_tickCounterStart + static_cast<unsigned long long>(m_timers.Now()));
}

const SPBasicSuite* Host::BasicSuite() const
{
    return &BasicSuiteTable();
}

SPAccessRef Host::AccessFor(SPPluginRef plugin)
{
    if (m_noAccessReference || !plugin)
        return nullptr;
    std::unique_ptr<SPAccess>& access = m_access[plugin];
    if (!access)
        access = std::make_unique<SPAccess>(SPAccess{plugin});
    return access.get();
}

bool Host::PopContext()
{
    if (m_contextDepth == 0)
        return false;
    --m_contextDepth;
    return true;
}

std::string Host::Describe() const
{
    std::ostringstream out;
    out << "Menus:\n" << m_menus.Tree(kToolPalettesMenuGroup);
    out << "Notifiers:\n";
    for (const AINotifierHandle handle : m_notifiers.All()) {
        const Notifier& notifier = *m_notifiers.Find(handle);
        out << "  " << notifier.name << " on \"" << notifier.type << "\"" << (notifier.active ? "" : " (idle)") << "\n";
    }
    out << "Timers:\n";
    for (const AITimerHandle handle : m_timers.All()) {
        const Timer& timer = *m_timers.Find(handle);
        out << "  " << timer.name << " every " << timer.period << " ticks" << (timer.active ? "" : " (idle)") << "\n";
    }
    out << "Panels:\n";
    for (const AIPanelRef handle : m_panels.All()) {
        Panel& panel = *m_panels.Find(handle);
        out << "  " << panel.name << (PanelCenter::WindowOf(panel).isVisible() ? "" : " (hidden)") << "\n";
    }
    return out.str();
}

}  // namespace hostsim

// The simulated operating system's keyboard state, which the plug-in's platform layer asks for
// as it would ask the real system: the high bit is set while the key is held.
extern "C" __attribute__((visibility("default"))) short HostSimGetKeyState(int virtualKey)
{
    constexpr int kControlKey = 17;
    const bool held = virtualKey == kControlKey && hostsim::g_current && hostsim::g_current->ControlKeyHeld();
    return held ? static_cast<short>(0x8000) : 0;
}
