#pragma once

#include "plugin/suites/SPMessages.h"
#include "sim/host/DocumentCenter.h"
#include "sim/host/HostPreferences.h"
#include "sim/host/MenuModel.h"
#include "sim/host/NotifierCenter.h"
#include "sim/host/PanelCenter.h"
#include "sim/host/Plugin.h"
#include "sim/host/SuiteRegistry.h"
#include "sim/host/TimerCenter.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

struct SPAccess
{
    SPPluginRef plugin;
};

namespace hostsim {

class AppWindow;

// The simulated host application: its suites, the plug-ins it loaded and the messages it sends
// them. One host exists at a time; the suites reach it through Current(). Everything runs on
// the calling thread, as on the host's user-interface thread.
class Host
{
public:
    Host();
    ~Host();  // shuts down plug-ins still running, then unloads them
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    static Host& Current();

    // Failures a test can switch on.
    void SetMajorVersion(int version) { m_majorVersion = version; }
    int MajorVersion() const { return m_majorVersion; }
    void SetNoAccessReference(bool none) { m_noAccessReference = none; }
    bool NoAccessReference() const { return m_noAccessReference; }
    void SetControlKeyHeld(bool held) { m_controlKeyHeld = held; }
    bool ControlKeyHeld() const { return m_controlKeyHeld; }

    // The folders behind the host's folder kinds (AIFoldersSuite.h).
    void SetFolder(ASInt32 kind, const std::string& path) { m_folders[kind] = path; }
    const std::string* Folder(ASInt32 kind) const;

    // Loads a plug-in file: its property list is read and checked before any code is loaded.
    // Returns null and explains why in `error` when the file is refused.
    SPPlugin* LoadPlugin(const std::string& path, std::string& error);
    // Loads every ".aip" file of a folder in name order, skipping the file names in `except`;
    // returns the refusals, one line each.
    std::vector<std::string> LoadPluginFolder(const std::string& folder,
                                              const std::vector<std::string>& except = {});
    // Shuts down the plug-ins still running and unloads every plug-in file. The host forgets what
    // each plug-in registered (the suites it added, its notifiers, timers, menu items and
    // panels), so that the same files can be loaded and started again in this host, as the real
    // host does when it reloads its plug-ins.
    void UnloadPlugins();
    SPPlugin* FindPlugin(const std::string& fileName) const;
    std::vector<SPPlugin*> Plugins() const;

    // The start-up sequence of the real host: "SP Interface"/"Startup" to every plug-in, then
    // "AI Application Started Notifier", then "AI OwlApp Init Dispatched Notifier".
    void Startup();
    // Startup() in its two halves, so that a test can reach the suites the plug-ins added
    // before any plug-in hears that the application started.
    void StartPlugins();
    void FinishStartup();
    // The shut-down sequence: "AI Application Shutdown Notifier", then "SP Interface"/"Shutdown"
    // to every started plug-in in reverse order.
    void Shutdown();

    // The common message header for a plug-in, as the host fills it.
    SPMessageData Header(SPPlugin& plugin) const;
    // Calls the plug-in's entry point with a message whose header the caller filled.
    SPErr Send(SPPlugin& plugin, const char* caller, const char* selector, void* message);
    SPErr SendStartup(SPPlugin& plugin);
    SPErr SendShutdown(SPPlugin& plugin);

    // Sends the notification to every plug-in with an active notifier of that type.
    void Broadcast(const char* type, void* data = nullptr);
    // "AI Menu"/"AI Go" and "AI Update" to the plug-in that owns the item.
    SPErr ChooseMenuItem(AIMenuItemHandle item);
    SPErr UpdateMenuItem(AIMenuItemHandle item);
    // Advances host time; timers fire as their periods pass.
    void AdvanceTicks(long long ticks);

    const SPBasicSuite* BasicSuite() const;
    SuiteRegistry& Suites() { return m_suites; }
    NotifierCenter& Notifiers() { return m_notifiers; }
    TimerCenter& Timers() { return m_timers; }
    MenuModel& Menus() { return m_menus; }
    PanelCenter& Panels() { return m_panels; }
    // The host's own preferences; memory only until a test or the application gives a folder.
    HostPreferences& Preferences() { return m_preferences; }

    // "AS User Interaction Suite": whether dialogs may be shown.
    void SetUserInteractionAllowed(bool allowed) { m_userInteractionAllowed = allowed; }
    bool UserInteractionAllowed() const { return m_userInteractionAllowed; }
    SPAccessRef AccessFor(SPPluginRef plugin);

    // Documents and their views; their changes reach plug-ins as notifications.
    DocumentCenter& Documents() { return m_documents; }
    // The user confirms the colour settings dialog: "AI Command Notifier: After Color Matching
    // Preferences" goes to the plug-ins.
    void ConfirmColorSettings();

    // The user suite's tick counter: host ticks since start-up plus `start`, wrapping at 32 bits.
    void SetTickCounterStart(ASUInt32 start) { m_tickCounterStart = start; }
    ASUInt32 TickCounter() const;
    void SetUIScaleFactor(double factor) { m_uiScaleFactor = factor; }
    double UIScaleFactor() const { return m_uiScaleFactor; }

    // The application context stack of the context suite.
    void PushContext() { ++m_contextDepth, ++m_contextPushes; }
    bool PopContext();
    int ContextDepth() const { return m_contextDepth; }
    int ContextPushes() const { return m_contextPushes; }

    // The main window ("AI Context Suite"), shown on first use; needs a QApplication.
    AppWindow& PlatformAppWindow();

    // A readable summary of menus, notifiers, timers and panels.
    std::string Describe() const;

private:
    bool AnyPluginStarted() const;
    void Forget(SPPlugin& plugin);

    SuiteRegistry m_suites;
    NotifierCenter m_notifiers;
    TimerCenter m_timers;
    MenuModel m_menus;
    DocumentCenter m_documents{[this](const char* type) { Broadcast(type); }};
    PanelCenter m_panels;
    HostPreferences m_preferences;
    std::unique_ptr<AppWindow> m_appWindow;
    std::vector<std::unique_ptr<SPPlugin>> m_plugins;
    std::map<SPPluginRef, std::unique_ptr<SPAccess>> m_access;
    std::map<ASInt32, std::string> m_folders;
    int m_majorVersion = 22;
    bool m_noAccessReference = false;
    bool m_controlKeyHeld = false;
    int m_contextDepth = 0;
    int m_contextPushes = 0;
    ASUInt32 m_tickCounterStart = 0;
    bool m_userInteractionAllowed = true;
    double m_uiScaleFactor = 1.0;
};

}  // namespace hostsim
