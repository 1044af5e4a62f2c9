#include "plugin/TKW_AIPlugin.h"

#include "plugin/AIError.h"
#include "plugin/AIFilePath.h"
#include "plugin/HostSuites.h"
#include "plugin/ScopedHostSuite.h"
#include "plugin/TKW_AIMenuHandler.h"
#include "plugin/TKW_AINotifierHandler.h"
#include "plugin/TKW_AIOwnedPanel.h"
#include "plugin/TKW_AISuiteManager.h"
#include "plugin/TKW_AITimerHandler.h"
#include "plugin/TKW_CriticalMessageHook.h"
#include "plugin/suites/AIFilePathSuite.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/SPAccessSuite.h"
#include "plugin/suites/SPBlocksSuite.h"
#include "plugin/suites/SPPluginsSuite.h"
#include "support/Localization.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace {

constexpr ASErr kBufferTooSmallErr = FourCC("SMAL");
// Answered when the host gives no access reference without saying why.
constexpr ASErr kNoAccessReferenceErr = FourCC("!Acc");

// Registered by every plug-in at construction, in this order.
constexpr const char* kBaseSuites[] = {
    AINotifierSuite::kName, AIFoldersSuite::kName, AIFilePathSuite::kName, AIUnicodeStringSuite::kName,
    SPBlocksSuite::kName,   "AI Command Manager Suite", SPPluginsSuite::kName,
};

// Holds the suites for one message: every AcquireAll is paired with a ReleaseAll.
class SuiteHold
{
public:
    explicit SuiteHold(TKW_AISuiteManager& manager) : m_manager(manager) { m_manager.AcquireAll(); }
    ~SuiteHold() { m_manager.ReleaseAll(); }

    SuiteHold(const SuiteHold&) = delete;
    SuiteHold& operator=(const SuiteHold&) = delete;

private:
    TKW_AISuiteManager& m_manager;
};

constexpr char kResourceFolderParent[] = "Hueline\\";
constexpr char kResourceFolderSuffix[] = ".plugin";
// The localisation module of the plug-in core: the host menu and the start-up message.
constexpr char kCoreModule[] = "genAI";

}  // namespace

TKW_AIPlugin::TKW_AIPlugin(SPMessageData* message)
    : m_suiteManager(&TKW_AISuiteManager::Instance()), m_pluginRef(message->self)
{
    CreateHandlers();
    if (!ObtainAccessReference(message->basic))
        return;

    m_suiteManager->ResetNestingCount();
    m_suiteManager->SetBasicSuite(message->basic);
    for (const char* name : kBaseSuites)
        AddSuite(name);
    const ASErr acquired = m_suiteManager->AcquireAll();
    if (acquired != kNoErr)
        SetStartupError(acquired);
    else if (const SPPluginsSuite* plugins = HostSuite<SPPluginsSuite>())
        plugins->SetPluginName(m_pluginRef, kDisplayName);

    HandlerAt<TKW_AINotifierHandler>(kNotifierHandler)->AddApplicationNotifiers(this);
    m_suiteManager->ReleaseAll();
}

TKW_AIPlugin::~TKW_AIPlugin()
{
    DeleteRegisteredObjects();
}

bool TKW_AIPlugin::ObtainAccessReference(const SPBasicSuite* basic)
{
    const ScopedHostSuite<SPAccessSuite> access(basic);
    ASErr error = access.Error();
    if (error == kNoErr && access.Get() != nullptr)
        error = access.Get()->GetPluginAccess(m_pluginRef, &m_accessRef);
    if (error == kNoErr && m_accessRef != nullptr)
        return true;
    m_accessRef = nullptr;
    SetStartupError(error != kNoErr ? error : kNoAccessReferenceErr);
    return false;
}

void TKW_AIPlugin::CreateHandlers()
{
    m_handlers = {
        std::make_unique<TKW_AIHandler>(kCallerAIAnnotation),  std::make_unique<TKW_AIHandler>(kCallerAIFileFormat),
        std::make_unique<TKW_AIHandler>(kCallerAIFilter),      std::make_unique<TKW_AIMenuHandler>(),
        std::make_unique<TKW_AINotifierHandler>(),             std::make_unique<TKW_AIHandler>(kCallerAIPluginGroup),
        std::make_unique<TKW_AITimerHandler>(),                std::make_unique<TKW_AIHandler>(kCallerAIToolbox),
        std::make_unique<TKW_AIHandler>(kCallerAITool),
    };
}

void TKW_AIPlugin::DeleteRegisteredObjects()
{
    for (const std::unique_ptr<TKW_AIHandler>& handler : m_handlers)
        handler->DeleteAll();
}

template <class Handler>
Handler* TKW_AIPlugin::HandlerAt(HandlerIndex index) const
{
    return static_cast<Handler*>(m_handlers[index].get());
}

const TKW_AIMenuHandler& TKW_AIPlugin::GetMenuHandler() const
{
    return *HandlerAt<TKW_AIMenuHandler>(kMenuHandler);
}

const TKW_AINotifierHandler& TKW_AIPlugin::GetNotifierHandler() const
{
    return *HandlerAt<TKW_AINotifierHandler>(kNotifierHandler);
}

const TKW_AITimerHandler& TKW_AIPlugin::GetTimerHandler() const
{
    return *HandlerAt<TKW_AITimerHandler>(kTimerHandler);
}

ASErr TKW_AIPlugin::DispatchMessage(const char* caller, const char* selector, void* message)
{
    m_suiteManager->SetBasicSuite(static_cast<SPMessageData*>(message)->basic);
    const SuiteHold hold(*m_suiteManager);

    if (IsShutdownMessage(caller, selector)) {
        DeleteRegisteredObjects();
        return kNoErr;
    }
    for (const std::unique_ptr<TKW_AIHandler>& handler : m_handlers) {
        const ASErr result = handler->Dispatch(caller, selector, message);
        if (result != kNoErr)
            return result;
    }
    return kNoErr;
}

ASErr TKW_AIPlugin::AddSuite(const char* name)
{
    return m_suiteManager->AddSuite(name);
}

ASErr TKW_AIPlugin::AddMenu(TKW_AIMenu* menu)
{
    return HandlerAt<TKW_AIMenuHandler>(kMenuHandler)->Add(menu);
}

ASErr TKW_AIPlugin::RemoveMenu(TKW_AIMenu* menu)
{
    return HandlerAt<TKW_AIMenuHandler>(kMenuHandler)->Remove(menu);
}

ASErr TKW_AIPlugin::AddNotifier(TKW_AINotifier* notifier)
{
    return HandlerAt<TKW_AINotifierHandler>(kNotifierHandler)->Add(notifier);
}

ASErr TKW_AIPlugin::RemoveNotifier(TKW_AINotifier* notifier)
{
    return HandlerAt<TKW_AINotifierHandler>(kNotifierHandler)->Remove(notifier);
}

ASErr TKW_AIPlugin::AddTimer(TKW_AITimer* timer)
{
    return HandlerAt<TKW_AITimerHandler>(kTimerHandler)->Add(timer);
}

ASErr TKW_AIPlugin::RemoveTimer(TKW_AITimer* timer)
{
    return HandlerAt<TKW_AITimerHandler>(kTimerHandler)->Remove(timer);
}

void TKW_AIPlugin::AddStartupAction(StartupAction action, void* argument)
{
    if (m_startupActions.empty())
        HandlerAt<TKW_AINotifierHandler>(kNotifierHandler)->AddStartupActionNotifier(this);
    m_startupActions.emplace_back(action, argument);
}

struct TKW_AIPlugin::StartupMessage
{
    TKW_AIPlugin* owner;
    std::array<std::string, 2> texts;  // title, text
};

void TKW_AIPlugin::ShowStartupMessage(const char* title, const char* text)
{
    auto message = std::make_unique<StartupMessage>();
    message->owner = this;
    // Each translation is copied before the next lookup may reuse its buffer.
    message->texts[0] = LocalizeKey(title != nullptr ? title : "");
    message->texts[1] = LocalizeKey(text != nullptr ? text : "");
    m_startupMessages.push_back(std::move(message));
    AddStartupAction(ShowQueuedMessage, m_startupMessages.back().get());
}

void TKW_AIPlugin::ShowQueuedMessage(void* argument)
{
    auto* message = static_cast<StartupMessage*>(argument);
    TKW_CriticalMessageHook::Show(message->texts[0].c_str(), message->texts[1].c_str());
    auto& messages = message->owner->m_startupMessages;
    messages.erase(std::find_if(messages.begin(), messages.end(),
                                [message](const std::unique_ptr<StartupMessage>& m) { return m.get() == message; }));
}

void TKW_AIPlugin::RunStartupActions()
{
    // Actions queued while these run wait for a notifier of their own.
    const auto actions = std::move(m_startupActions);
    m_startupActions.clear();
    for (const auto& [action, argument] : actions)
        action(argument);
}

void TKW_AIPlugin::AddOwnedPanel(std::unique_ptr<TKW_AIOwnedPanel> panel)
{
    m_ownedPanels.push_back(std::move(panel));
}

void TKW_AIPlugin::HandleApplicationStarted()
{
    OnApplicationStarted();
    m_applicationStarted = true;
}

void TKW_AIPlugin::HandleApplicationShutdown()
{
    OnApplicationShutdown();
    if (m_ownedPanels.empty())
        return;
    auto panels = std::move(m_ownedPanels);
    m_ownedPanels.clear();
    if (m_toolkitHooks.increaseDialogCount != nullptr)
        m_toolkitHooks.increaseDialogCount();
    for (std::unique_ptr<TKW_AIOwnedPanel>& panel : panels) {
        panel->CommitItems();
        panel.reset();
    }
    if (m_toolkitHooks.decreaseDialogCount != nullptr)
        m_toolkitHooks.decreaseDialogCount();
}

ASErr TKW_AIPlugin::OnApplicationStarted()
{
    return kNoErr;
}

ASErr TKW_AIPlugin::OnApplicationShutdown()
{
    return kNoErr;
}

ASErr TKW_AIPlugin::GetHostFolder(ai::FilePath& path)
{
    return FindHostFolder(kAIApplicationFolderType, path);
}

ASErr TKW_AIPlugin::GetHostFolderText(char* buffer, std::size_t size)
{
    return FolderText(&TKW_AIPlugin::GetHostFolder, buffer, size);
}

ASErr TKW_AIPlugin::GetResourceFolder(ai::FilePath& path)
{
    return FindHostFolder(kAIPluginResourcesFolderType, path);
}

ASErr TKW_AIPlugin::GetResourceFolderText(char* buffer, std::size_t size)
{
    return FolderText(&TKW_AIPlugin::GetResourceFolder, buffer, size);
}

ASErr TKW_AIPlugin::FindHostFolder(ASInt32 kind, ai::FilePath& path)
{
    return CallHostSuite<AIFoldersSuite>(
        [kind, &path](const AIFoldersSuite& folders) { return folders.FindFolder(kind, false, path.Handle()); });
}

ASErr TKW_AIPlugin::FolderText(ASErr (TKW_AIPlugin::*getFolder)(ai::FilePath&), char* buffer, std::size_t size)
{
    try {
        ai::FilePath path;
        const ASErr error = (this->*getFolder)(path);
        if (error != kNoErr)
            return error;
        const std::string text = path.PlatformText();
        if (text.size() + 1 > size)
            return kBufferTooSmallErr;
        std::memcpy(buffer, text.c_str(), text.size() + 1);
        return kNoErr;
    } catch (const ai::Error& error) {
        return error.Code();
    }
}

ASErr TKW_AIPlugin::InitResourceFolder(const char* name)
{
    std::array<char, kResourceFolderTextSize> folderText{};
    const ASErr error = GetResourceFolderText(folderText.data(), folderText.size());
    if (error != kNoErr)
        return error;
    std::string folder(folderText.data());
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    folder += kResourceFolderParent;
    folder += name;
    folder += kResourceFolderSuffix;
    if (folder.size() >= m_resourceFolder.size())
        return kBufferTooSmallErr;
    std::memcpy(m_resourceFolder.data(), folder.c_str(), folder.size() + 1);
    InitLanguage(m_resourceFolder.data());
    LoadLocalizationModule(kCoreModule);
    return kNoErr;
}
