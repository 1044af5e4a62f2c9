#pragma once

#include "plugin/TKW_AIToolkitHooks.h"
#include "plugin/suites/SPMessages.h"
#include "plugin/suites/SPTypes.h"

#include <array>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

class TKW_AIHandler;
class TKW_AIMenu;
class TKW_AIMenuHandler;
class TKW_AINotifier;
class TKW_AINotifierHandler;
class TKW_AIOwnedPanel;
class TKW_AISuiteManager;
class TKW_AITimer;
class TKW_AITimerHandler;

namespace ai {
class FilePath;
}

// The plug-in object behind PluginMain: owns the registries of host objects, registers host
// suites with the suite manager and runs the start-up and shut-down sequence. The concrete
// plug-in derives from it; its constructor runs inside the "SP Interface"/"Startup" message and
// records failures with SetStartupError. Host UI thread only.
class TKW_AIPlugin
{
public:
    using StartupAction = void (*)(void* argument);

    // The name the host shows for the plug-in.
    static constexpr const char* kDisplayName = "Hueline Viewer";
    static constexpr std::size_t kResourceFolderSize = 2048;
    // The buffer the host's resource folder text is read into.
    static constexpr std::size_t kResourceFolderTextSize = 1024;

    explicit TKW_AIPlugin(SPMessageData* message);
    virtual ~TKW_AIPlugin();

    TKW_AIPlugin(const TKW_AIPlugin&) = delete;
    TKW_AIPlugin& operator=(const TKW_AIPlugin&) = delete;

    // Called when the host reports that the application has started; the result is ignored.
    virtual ASErr OnApplicationStarted();
    // Called when the host reports that the application shuts down, before owned panels go.
    virtual ASErr OnApplicationShutdown();
    // The host application folder (folder kind 1).
    virtual ASErr GetHostFolder(ai::FilePath& path);
    // The same folder as platform text; "SMAL" when it needs more than `size` bytes.
    virtual ASErr GetHostFolderText(char* buffer, std::size_t size);
    // The host's plug-in resources folder (folder kind 24).
    virtual ASErr GetResourceFolder(ai::FilePath& path);
    // The same folder as platform text; "SMAL" when it needs more than `size` bytes.
    virtual ASErr GetResourceFolderText(char* buffer, std::size_t size);

    // Routes one host message to the registries; "SP Interface"/"Shutdown" deletes them.
    ASErr DispatchMessage(const char* caller, const char* selector, void* message);

    // Registers a known suite (first table entry of that name). 1 when the name is unknown,
    // else 0 or the host's acquisition error.
    ASErr AddSuite(const char* name);
    SPPluginRef GetPluginRef() const { return m_pluginRef; }

    // The registries own what is added; the codes are the registries' own.
    ASErr AddMenu(TKW_AIMenu* menu);
    ASErr RemoveMenu(TKW_AIMenu* menu);
    ASErr AddNotifier(TKW_AINotifier* notifier);
    ASErr RemoveNotifier(TKW_AINotifier* notifier);
    ASErr AddTimer(TKW_AITimer* timer);
    ASErr RemoveTimer(TKW_AITimer* timer);

    void SetStartupError(ASErr error) { m_startupError = error; }
    ASErr GetStartupError() const { return m_startupError; }

    // Queues a call to run once, when the host reports that its initialisation was dispatched.
    void AddStartupAction(StartupAction action, void* argument);
    // Queues a critical message with a single "OK" button as a start-up action. `title` and
    // `text` are resource keys, translated now. The message is shown through
    // TKW_CriticalMessageHook when the action runs, and dropped when no hook is installed then.
    void ShowStartupMessage(const char* title, const char* text);
    // The plug-in deletes the panel at application shut-down, counted as an open dialog.
    void AddOwnedPanel(std::unique_ptr<TKW_AIOwnedPanel> panel);
    void SetToolkitHooks(const TKW_AIToolkitHooks& hooks) { m_toolkitHooks = hooks; }

    // Makes "<resource folder>\Hueline\<name>.plugin" the resource folder path, puts it on the
    // localisation search path and loads the module "genAI". Returns the folder service's error,
    // or "SMAL" when the folder does not fit.
    ASErr InitResourceFolder(const char* name);

    bool IsApplicationStarted() const { return m_applicationStarted; }
    // Empty until the resource folder is set.
    const char* GetResourceFolderPath() const { return m_resourceFolder.data(); }

    const TKW_AIMenuHandler& GetMenuHandler() const;
    const TKW_AINotifierHandler& GetNotifierHandler() const;
    const TKW_AITimerHandler& GetTimerHandler() const;

    // The framework's own notifiers call these: application started (OnApplicationStarted,
    // then the started flag), application shut-down (OnApplicationShutdown, then the owned
    // panels go) and the host's initialisation dispatched (the queued start-up actions run).
    void HandleApplicationStarted();
    void HandleApplicationShutdown();
    void RunStartupActions();

private:
    // A queued start-up message: its translated title and text, owned until shown.
    struct StartupMessage;
    static void ShowQueuedMessage(void* argument);

    // Registry positions; also the dispatch and deletion order.
    enum HandlerIndex : std::size_t
    {
        kAnnotationHandler,
        kFileFormatHandler,
        kFilterHandler,
        kMenuHandler,
        kNotifierHandler,
        kPluginGroupHandler,
        kTimerHandler,
        kToolBoxHandler,
        kToolHandler,
        kHandlerCount
    };

    bool ObtainAccessReference(const SPBasicSuite* basic);
    void CreateHandlers();
    // Each registry, in dispatch order, deletes what it holds. The registries themselves stay
    // until the object goes, so that late removals always find them.
    void DeleteRegisteredObjects();
    template <class Handler>
    Handler* HandlerAt(HandlerIndex index) const;
    ASErr FindHostFolder(ASInt32 kind, ai::FilePath& path);
    ASErr FolderText(ASErr (TKW_AIPlugin::*getFolder)(ai::FilePath&), char* buffer, std::size_t size);

    std::vector<std::pair<StartupAction, void*>> m_startupActions;
    std::vector<std::unique_ptr<StartupMessage>> m_startupMessages;
    std::array<std::unique_ptr<TKW_AIHandler>, kHandlerCount> m_handlers;
    bool m_applicationStarted = false;
    TKW_AISuiteManager* m_suiteManager = nullptr;
    SPAccessRef m_accessRef = nullptr;
    SPPluginRef m_pluginRef = nullptr;
    std::vector<std::unique_ptr<TKW_AIOwnedPanel>> m_ownedPanels;
    ASErr m_startupError = kNoErr;
    std::array<char, kResourceFolderSize> m_resourceFolder{};
    TKW_AIToolkitHooks m_toolkitHooks;
};
