#include "plugin/viewer/OspryPlugin.h"

#include "plugin/EngineSuites.h"
#include "plugin/HostSuites.h"
#include "plugin/MenuGroups.h"
#include "plugin/ScopedHostSuite.h"
#include "plugin/TKW_AISubMenu.h"
#include "plugin/TKW_AISuiteManager.h"
#include "plugin/TKW_CriticalMessageHook.h"
#include "plugin/TKW_ModifierKeyBroadcaster.h"
#include "plugin/suites/AIContextSuite.h"
#include "plugin/suites/AIPanelFlyoutMenuSuite.h"
#include "plugin/suites/AIPanelSuite.h"
#include "plugin/suites/AIPreferenceSuite.h"
#include "plugin/suites/AIUnicodeStringSuite.h"
#include "plugin/suites/AIUserSuite.h"
#include "plugin/suites/ASUserInteractionSuite.h"
#include "plugin/suites/BSCDIAGSuite.h"
#include "plugin/suites/HLInkSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "plugin/viewer/CColorSettingsChangedNotifier.h"
#include "plugin/viewer/CConnStatusChangedNotifier.h"
#include "plugin/viewer/CGenerateMenu.h"
#include "plugin/viewer/CShowViewerMenu.h"
#include "plugin/viewer/EngineStartupSettings.h"
#include "settings/PressError.h"
#include "settings/PressSettings.h"
#include "settings/PressStore.h"
#include "support/Localization.h"
#include "toolkit/RVADM_CriticalMessageDialog.h"
#include "toolkit/RVADM_Host.h"
#include "toolkit/RVADM_Types.h"
#include "viewer/panel/OspryDialog.h"

#include <RVADMQtManager.h>

namespace {

// Registered with the suite manager at construction, in this order; a repeated name is harmless.
constexpr const char* kViewerSuites[] = {
    "AI Panel Suite",         "AI Panel Flyout Menu Suite", "AI User Interface Theme Suite", "AI Context Suite",
    "AI User Suite",          "AI Modal Parent Suite",      "AI Action Manager Suite",       "AI Art Suite",
    "AI Art Set Suite",       "AI Custom Color Suite",      "AI Dictionary Suite",           "AI Document Suite",
    "AI Document List Suite", "AI Document View Suite",     "AI User Suite",                 "AI Folders Suite",
    "AI Layer Suite",         "AI Menu Suite",              "AI Path Suite",                 "HL Preferences Suite",
    "AI Rasterize Suite",     "AI Real Math Suite",         "AI Runtime Suite",              "AI Tag Suite",
    "SP Basic Suite",         "SP Blocks Suite",            "SP Suites Suite",               "SP Runtime Suite",
    "AI Undo Suite",          "AI URL Suite",               "AI Paint Style Suite",          "AI Color Conversion Suite",
    "AI Custom Color Suite",  "AI Group Suite",             "AI Real Math Suite",            "AI Artboard Suite",
};

// The key handler forwards keys to the plug-in's tools, so it needs these.
constexpr const char* kKeyHandlerSuites[] = {"SP Interface Suite", "AI Context Suite", "AI Tool Suite"};

constexpr const char* kViewerModules[] = {"ospry", "hueline"};

// Where the host keeps whether the panel was visible; without the host's preferences the panel
// starts hidden.
constexpr const char* kPanelPreferencePrefix = "Hueline Viewer";
constexpr const char* kPanelVisibleKey = "PanelVisible";

constexpr const char* kEngineMissingTitle = "Viewer";
constexpr const char* kEngineMissingText =
    "Viewer is unable to find the KilnKernel plug-in, it may be missing or corrupt.";
// The name of the start-up press settings when its translation is too long for a setting.
constexpr const char* kUntranslatedDefaultName = "Default";

OspryPlugin* g_current = nullptr;
// Once per process: the engine's start-up settings are pushed, the settings folder is made.
bool g_engineInitialized = false;
bool g_settingsFolderPrepared = false;

// Deletes a menu object (it leaves the registry) after taking its item out of the host menu.
template <class Menu>
void DeleteMenuItem(Menu*& menu)
{
    if (menu == nullptr)
        return;
    menu->RemoveFromHost();
    delete menu;
    menu = nullptr;
}

std::unique_ptr<PressSettings> MakeStartupPressSettings()
{
    try {
        return std::make_unique<PressSettings>(PressStore::DefaultPressName());
    } catch (const PressError&) {
        return std::make_unique<PressSettings>(kUntranslatedDefaultName);
    }
}

}  // namespace

OspryPlugin::OspryPlugin(SPMessageData* message) : TKW_AIPlugin(message)
{
    if (GetStartupError() != kNoErr)
        return;
    g_current = this;
    SetToolkitHooks({&RVADMQtManager::QtManager::IncreaseDialogCount,
                     &RVADMQtManager::QtManager::DecreaseDialogCount});
    TKW_CriticalMessageHook::Install(&qRVADM::RVADM_CriticalMessageDialog::ShowOkMessage);

    ASErr error = RegisterSuites();
    if (error == kNoErr)
        error = InitResourceFolder("Viewer");
    if (error == kNoErr) {
        for (const char* module : kViewerModules)
            LoadLocalizationModule(module);
        HandSuitesToToolkit();
        CreateMenus();
    }
    SetStartupError(error);
}

OspryPlugin::~OspryPlugin()
{
    m_pressSettings.reset();
    if (g_current != this)
        return;
    qRVADM::RVADM_Host::Install({});
    TKW_CriticalMessageHook::Install(nullptr);
    g_current = nullptr;
}

OspryPlugin* OspryPlugin::Current()
{
    return g_current;
}

// The acquisition stays standing: these suites are held for the plug-in's life.
ASErr OspryPlugin::RegisterSuites()
{
    for (const char* name : kViewerSuites)
        AddSuite(name);
    return TKW_AISuiteManager::Instance().AcquireAll();
}

void OspryPlugin::HandSuitesToToolkit()
{
    m_interaction = std::make_unique<ScopedHostSuite<ASUserInteractionSuite>>(HostBasicSuite());
    qRVADM::RVADM_Host::Suites suites;
    suites.plugin = GetPluginRef();
    suites.context = HostSuite<AIContextSuite>();
    suites.panel = HostSuite<AIPanelSuite>();
    suites.flyoutMenu = HostSuite<AIPanelFlyoutMenuSuite>();
    suites.user = HostSuite<AIUserSuite>();
    suites.interaction = m_interaction->Get();
    suites.unicodeString = HostSuite<AIUnicodeStringSuite>();
    qRVADM::RVADM_Host::Install(suites);
}

void OspryPlugin::CreateMenus()
{
    CreateMenuGroup(this, "Hueline", nullptr, 1);
    if (m_viewerSubMenu == nullptr) {
        m_viewerSubMenu = new TKW_AISubMenu(this, "Hueline", "Viewer", 1);
        AddMenu(m_viewerSubMenu);
    }
    if (m_showViewerMenu == nullptr) {
        m_showViewerMenu = new CShowViewerMenu(
            m_viewerSubMenu, [this] { return IsPanelShown(); }, [this](bool show) { ShowPanel(show); });
        AddMenu(m_showViewerMenu);
    }
    if (m_generateMenu == nullptr) {
        m_generateMenu = new CGenerateMenu(m_viewerSubMenu, [this] { ClickGenerate(); });
        m_generateMenu->Disable(false);
        AddMenu(m_generateMenu);
    }
}

// The "Hueline" group item stays: other plug-ins may have items in its group.
void OspryPlugin::TearDownMenus()
{
    DeleteMenuItem(m_showViewerMenu);
    DeleteMenuItem(m_generateMenu);
    DeleteMenuItem(m_viewerSubMenu);
}

ASErr OspryPlugin::OnApplicationStarted()
{
    RegisterKeyboardHandlers();
    const ASErr result = AcquireEngine();
    if (result == kEngineMissingErr) {
        ShowStartupMessage(kEngineMissingTitle, kEngineMissingText);
        TearDownMenus();
    } else {
        AddStartupAction(&OspryPlugin::InitializeEngine, this);
    }
    return result;
}

ASErr OspryPlugin::OnApplicationShutdown()
{
    using namespace RVADMQtManager::InputHandlerManager;
    UnregisterKeyboardInputHandler(&OspryPlugin::OnModifiersChanged, this);
    UnregisterKeyboardInputHandler(&OspryPlugin::OnKey, this);
    return kNoErr;
}

void OspryPlugin::RegisterKeyboardHandlers()
{
    using namespace RVADMQtManager::InputHandlerManager;
    if (AddSuite("AI Notifier Suite") == kNoErr)
        RegisterKeyboardInputHandler(kModifierHandler, &OspryPlugin::OnModifiersChanged, this);
    bool keySuites = true;
    for (const char* name : kKeyHandlerSuites)
        keySuites = AddSuite(name) == kNoErr && keySuites;
    if (keySuites)
        RegisterKeyboardInputHandler(kKeyHandler, &OspryPlugin::OnKey, this);
}

bool OspryPlugin::OnModifiersChanged(void*, std::uint32_t modifierBits)
{
    TKW_ModifierKeyBroadcaster::Instance().OnModifiersChanged(modifierBits);
    return false;
}

// Keys go only to tools of this plug-in, and it registers none: no key is consumed.
bool OspryPlugin::OnKey(void*, std::uint32_t)
{
    return false;
}

ASErr OspryPlugin::AcquireEngine()
{
    EngineSuites& engine = EngineSuitePointers();
    AcquireEngineSuite(engine.kiln);
    AcquireEngineSuite(engine.kilnODL);
    if (engine.kiln == nullptr || engine.kilnODL == nullptr)
        return kEngineMissingErr;
    AcquireEngineSuite(engine.diagnostics);
    AcquireEngineSuite(engine.ink);
    CreateEngineNotifiers();
    CreatePanel();
    if (!g_settingsFolderPrepared) {
        PressStore::InitFolder();
        g_settingsFolderPrepared = true;
    }
    return kNoErr;
}

void OspryPlugin::CreateEngineNotifiers()
{
    if (m_colorSettingsNotifier == nullptr) {
        m_colorSettingsNotifier = new CColorSettingsChangedNotifier(this, [this] { ApplyColorSettings(); });
        AddNotifier(m_colorSettingsNotifier);
    }
    if (m_connStatusNotifier == nullptr) {
        m_connStatusNotifier = new CConnStatusChangedNotifier(this, [this] { RefreshConnectionStatus(); });
        AddNotifier(m_connStatusNotifier);
    }
}

void OspryPlugin::CreatePanel()
{
    if (m_panel != nullptr)
        return;
    AddOwnedPanel(std::make_unique<OspryDialog>(this));
    AIBoolean visible = 0;
    AddSuite(AIPreferenceSuite::kName);
    if (const AIPreferenceSuite* preferences = HostSuite<AIPreferenceSuite>())
        preferences->GetBooleanPreference(kPanelPreferencePrefix, kPanelVisibleKey, &visible);
    if (visible != 0)
        m_panel->ShowPanel(true);
}

void OspryPlugin::RecordPanelVisible(bool visible)
{
    if (const AIPreferenceSuite* preferences = HostSuite<AIPreferenceSuite>())
        preferences->PutBooleanPreference(kPanelPreferencePrefix, kPanelVisibleKey, visible ? 1 : 0);
}

void OspryPlugin::ShowPanel(bool show)
{
    if (m_panel != nullptr)
        m_panel->ShowPanel(show);
}

bool OspryPlugin::IsPanelShown() const
{
    return m_panel != nullptr && m_panel->IsPanelShown();
}

void OspryPlugin::ClickGenerate()
{
    if (m_panel != nullptr)
        m_panel->ClickGenerate();
}

void OspryPlugin::RefreshConnectionStatus()
{
    if (m_panel != nullptr)
        m_panel->RefreshConnectionStatus();
}

void OspryPlugin::ApplyColorSettings()
{
    if (m_panel != nullptr)
        m_panel->ApplyColorSettings();
}

void OspryPlugin::InitializeEngine(void* plugin)
{
    EngineSuites& engine = EngineSuitePointers();
    if (g_engineInitialized || engine.kiln == nullptr)
        return;
    if (engine.kiln->IsEngineReady() == 0) {
        engine.kiln = nullptr;
        return;
    }
    PushStartupSettings(*engine.kiln, static_cast<OspryPlugin*>(plugin)->GetPressSettings());
    g_engineInitialized = true;
}

PressSettings& OspryPlugin::GetPressSettings()
{
    if (!m_pressSettings)
        m_pressSettings = MakeStartupPressSettings();
    return *m_pressSettings;
}

void OspryPlugin::SetGenerateText(const char* text)
{
    if (m_generateMenu != nullptr)
        m_generateMenu->SetText(text);
}

void OspryPlugin::SetGenerateEnabled(bool enabled)
{
    if (m_generateMenu == nullptr)
        return;
    if (enabled)
        m_generateMenu->Enable();
    else
        m_generateMenu->Disable(false);
}
