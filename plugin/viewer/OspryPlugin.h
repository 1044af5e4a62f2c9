#pragma once

#include "plugin/TKW_AIPlugin.h"
#include "plugin/suites/FourCC.h"
#include "viewer/PanelOwner.h"

#include <cstdint>
#include <memory>

class CColorSettingsChangedNotifier;
class CConnStatusChangedNotifier;
class CGenerateMenu;
class CShowViewerMenu;
class OspryDialog;
struct ASUserInteractionSuite;
class PressSettings;
class TKW_AISubMenu;
template <class Suite>
class ScopedHostSuite;

// The viewer plug-in: registers the host suites the viewer needs, sets up localisation and the
// "Hueline" > "Viewer" menu, attaches the Kiln engine when the application has started and pushes
// the start-up settings once the host's initialisation was dispatched. Created once by
// PluginMain; the viewer's code reaches it through Current(). Host UI thread only.
class OspryPlugin final : public TKW_AIPlugin, public PanelOwner
{
public:
    // Answered by OnApplicationStarted when a required engine suite is missing.
    static constexpr ASErr kEngineMissingErr = FourCC("!KLN");

    explicit OspryPlugin(SPMessageData* message);
    ~OspryPlugin() override;

    // The running plug-in, or null.
    static OspryPlugin* Current();

    ASErr OnApplicationStarted() override;
    ASErr OnApplicationShutdown() override;

    // What the panel asks of its owner.
    TKW_AIPlugin& Registries() override { return *this; }
    OspryDialog* GetPanel() const override { return m_panel; }
    void SetPanel(OspryDialog* panel) override { m_panel = panel; }
    void RecordPanelVisible(bool visible) override;
    void SetGenerateText(const char* text) override;
    void SetGenerateEnabled(bool enabled) override;

    // Shows or hides the panel; nothing while it does not exist.
    void ShowPanel(bool show);
    bool IsPanelShown() const;
    // Brings up the panel and acts as a click on its Generate/Update button.
    void ClickGenerate();
    // The engine's connection changed: the panel refreshes its connection status, then its ink
    // warning; nothing before the panel's items exist.
    void RefreshConnectionStatus();
    // The host's colour matching preferences changed: the panel's preview applies them.
    void ApplyColorSettings();
    // The start-up press settings, made on first use with the defaults under the default name.
    PressSettings& GetPressSettings();

private:
    ASErr RegisterSuites();
    void HandSuitesToToolkit();
    void CreateMenus();
    void TearDownMenus();
    void RegisterKeyboardHandlers();
    ASErr AcquireEngine();
    void CreateEngineNotifiers();
    void CreatePanel();
    // The queued start-up action; `plugin` is the OspryPlugin.
    static void InitializeEngine(void* plugin);

    // The manager library's keyboard input handlers; `context` is the plug-in.
    static bool OnModifiersChanged(void* context, std::uint32_t modifierBits);
    static bool OnKey(void* context, std::uint32_t key);

    OspryDialog* m_panel = nullptr;  // owned through the owned-panels list
    CGenerateMenu* m_generateMenu = nullptr;  // the menu registry owns the items
    TKW_AISubMenu* m_viewerSubMenu = nullptr;
    CShowViewerMenu* m_showViewerMenu = nullptr;
    std::unique_ptr<PressSettings> m_pressSettings;
    CColorSettingsChangedNotifier* m_colorSettingsNotifier = nullptr;  // the notifier registry owns them
    CConnStatusChangedNotifier* m_connStatusNotifier = nullptr;
    // Held for the plug-in's life so that the toolkit can ask whether dialogs may be shown.
    std::unique_ptr<ScopedHostSuite<ASUserInteractionSuite>> m_interaction;
};
