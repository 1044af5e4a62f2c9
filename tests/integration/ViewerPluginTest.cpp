// Viewer.aip with the simulated engine in the simulated host: menus, engine attachment, the
// start-up settings push and the notifiers, as the host and the engine observe them.

#include "ViewerHost.h"

#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/FourCC.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <filesystem>

namespace {

using hostsim::EngineAttendance;

constexpr const char* kViewerMenuTree =
    "Tool Palettes\n"
    "  Hueline [Hueline_HL]\n"
    "    Viewer [Viewer_HL]\n"
    "      Viewer [Viewer_HL]\n"
    "      Generate [Generate_HL, disabled]\n";
// The menu after the viewer gave up its items for want of the engine.
constexpr const char* kGroupOnlyMenuTree =
    "Tool Palettes\n"
    "  Hueline [Hueline_HL]\n";

// The panel, made when the engine is attached, shows the connection status, sends the "Automatic"
// dot gain curve once and reads its mode.
std::vector<std::string> AfterPanelCreation(std::vector<std::string> calls)
{
    const std::string panelCalls[] = {"GetConnectionStatus(256, 256, 1)",
                                      "SetDotGainCurve(0, 0, 0, 0, 0)",
                                      "GetBooleanPreference(\"Hueline/Viewer\", \"ShowSepsOnly\")",
                                      "GetBooleanPreference(\"Hueline/Viewer\", \"HideTrapLayer\")",
                                      "SetTrapLayerVisible(1)"};
    calls.insert(calls.begin(), std::begin(panelCalls), std::end(panelCalls));
    return calls;
}

// The panel's creation, then the start-up push with an empty preference store and the default
// press settings.
const std::vector<std::string> kDefaultStartupCalls = AfterPanelCreation({
    "IsEngineReady()",
    "GetIntegerPreference(\"Hueline/Viewer\", \"KilnImageQuality\")",
    "SetImageQuality(1)",
    "GetBooleanPreference(\"Hueline/Viewer\", \"MergeSimilarInks\")",
    "SetMergeSimilarInks(1)",
    "GetBooleanPreference(\"Hueline/Viewer\", \"ShowTechnicalInks\")",
    "SetShowTechnicalInks(1)",
    "SetTACLimit(270)",
    "SetFirstDot(1)",
    "SetFirstDotDarkening(10)",
    "SetDarkeningRange(50)",
    "SetDeviationDistance(0.1)",
    "SetMoireChecks(1, 1, 1, 1, 1, 5, 1, 95, 1, 85, 25)",
    "GetBooleanPreference(\"Hueline/Viewer\", \"ShowRoundedDensities\")",
    "SetShowRoundedDensities(0)",
    "GetIntegerPreference(\"Hueline/Viewer\", \"AntialiasingMode\")",
    "SetAntialiasingMode(0)",
});

// Closes the next modal dialog once it runs, keeping its texts; the host must allow dialogs.
void CloseNextDialog(std::vector<std::string>& texts)
{
    QTimer::singleShot(0, [&texts] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts.push_back(label->text().toStdString());
        dialog->reject();
    });
}

std::filesystem::path SettingsFolder(const TemporaryFolder& sharedDocuments)
{
    return sharedDocuments.Path() / "Hueline" / "dot_gain_curves";
}

using ViewerStartupTest = ViewerHostTest;

// One start of the host per test: a start is the expensive part.
TEST_F(ViewerStartupTest, ReadyEngineGetsTheMenusTheNotifiersAndTheStartupSettingsOnce)
{
    Start(EngineAttendance::Ready);
    EXPECT_EQ(Viewer().startupResult, kNoErr);
    EXPECT_EQ(m_host.Menus().Tree(kToolPalettesMenuGroup), kViewerMenuTree);
    EXPECT_EQ(NotifierCount("KVViewerColorPrefsNotif"), 1);
    EXPECT_EQ(NotifierCount("KVViewerCSNotif"), 1);
    EXPECT_EQ(TakeEngineCalls(), kDefaultStartupCalls);
    EXPECT_TRUE(std::filesystem::is_directory(SettingsFolder(m_folder)));
    // The show item wants updates and is unchecked while the panel is hidden; "Generate" wants
    // none and cannot be chosen while disabled.
    const AIMenuItemHandle show = MenuItem({"Hueline", "Viewer", "Viewer"});
    const AIMenuItemHandle generate = MenuItem({"Hueline", "Viewer", "Generate"});
    ASSERT_NE(m_host.Menus().FindItem(show), nullptr);
    ASSERT_NE(m_host.Menus().FindItem(generate), nullptr);
    EXPECT_EQ(m_host.Menus().FindItem(show)->options, 1);
    EXPECT_EQ(m_host.Menus().FindItem(generate)->options, 0);
    EXPECT_NE(m_host.ChooseMenuItem(generate), kNoErr);
    m_host.Menus().FindItem(show)->checked = true;
    EXPECT_EQ(m_host.UpdateMenuItem(show), kNoErr);
    EXPECT_FALSE(m_host.Menus().FindItem(show)->checked);

    m_host.ConfirmColorSettings();
    EXPECT_EQ(TakeEngineCalls(), (std::vector<std::string>{"ApplyColorSettings()", "ColorSettingsChanged()"}));
    m_host.Broadcast("AI Application Started Notifier");
    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    EXPECT_EQ(NotifierCount("KVViewerColorPrefsNotif"), 1) << "a second start creates nothing";
    EXPECT_EQ(NotifierCount("KVViewerCSNotif"), 1);
    EXPECT_EQ(TakeEngineCalls(), std::vector<std::string> {});

    EXPECT_EQ(m_host.Suites().HeldCount("AS User Interaction Suite"), 1);
    m_host.Shutdown();
    EXPECT_FALSE(Viewer().started);
    EXPECT_EQ(m_host.Suites().HeldCount("AS User Interaction Suite"), 0) << "the toolkit's suite is given back";
}

// The host reloads its plug-ins: unloaded, they leave nothing registered; started again, the
// viewer registers exactly what it did the first time and pushes its start-up settings to the new
// engine.
TEST_F(ViewerStartupTest, AReloadStartsBothPlugInsAgainWithEverythingOnce)
{
    Start(EngineAttendance::Ready);
    const std::string listing = m_host.Describe();
    EXPECT_NE(listing.find("Panels:\n  Hueline Viewer (hidden)\n"), std::string::npos) << listing;
    m_host.UnloadPlugins();
    EXPECT_EQ(m_host.Describe(), "Menus:\nTool Palettes\nNotifiers:\nTimers:\nPanels:\n");
    Start(EngineAttendance::Ready);
    EXPECT_EQ(m_host.Describe(), listing);
    EXPECT_EQ(m_host.Menus().Tree(kToolPalettesMenuGroup), kViewerMenuTree);
    EXPECT_EQ(TakeEngineCalls(), kDefaultStartupCalls);
}

TEST_F(ViewerStartupTest, StoredPreferencesReachTheEngineAndAGermanUserSeesTranslatedMenus)
{
    const EnvironmentGuard language("LC_ALL", "de_DE.UTF-8");
    WritePreferences("[Hueline/Viewer]\nKilnImageQuality = 0\nMergeSimilarInks = 0\nShowTechnicalInks = 7\n"
                     "ShowRoundedDensities = 5\nAntialiasingMode = 3\n");
    Start(EngineAttendance::Ready);
    const std::vector<std::string> calls = TakeEngineCalls();
    for (const char* call : {"SetImageQuality(-1)", "SetMergeSimilarInks(0)", "SetShowTechnicalInks(1)",
                             "SetShowRoundedDensities(1)", "SetAntialiasingMode(3)"})
        EXPECT_NE(std::find(calls.begin(), calls.end(), call), calls.end()) << call;
    const hostsim::MenuItem* generate = m_host.Menus().FindItem(MenuItem({"Hueline", "Viewer", "Erzeugen"}));
    ASSERT_NE(generate, nullptr) << m_host.Menus().Tree(kToolPalettesMenuGroup);
    EXPECT_EQ(generate->key, "Generate_HL");
}

TEST_F(ViewerStartupTest, EngineNotReadyIsAskedOnceAndGetsNoSettings)
{
    Start(EngineAttendance::NotReady);
    EXPECT_EQ(TakeEngineCalls(), AfterPanelCreation({"IsEngineReady()"}));
    EXPECT_EQ(m_host.Menus().Tree(kToolPalettesMenuGroup), kViewerMenuTree);
    EXPECT_EQ(NotifierCount("KVViewerCSNotif"), 1);
}

TEST_F(ViewerStartupTest, AbsentEngineRefusesTheStartupForWantOfThePreferenceStore)
{
    Start(EngineAttendance::Absent);
    EXPECT_NE(Viewer().startupResult, kNoErr);
    EXPECT_FALSE(Viewer().started);
    EXPECT_EQ(m_host.Menus().Tree(kToolPalettesMenuGroup), "Tool Palettes\n");
}

TEST_F(ViewerStartupTest, MissingGenerationSuiteRemovesTheMenusAndShowsTheMessageOnceInitialised)
{
    m_host.Suites().SetMissing("HL KilnODL Suite", true);
    m_host.SetUserInteractionAllowed(true);
    std::vector<std::string> shown;
    CloseNextDialog(shown);
    Start(EngineAttendance::Ready);
    EXPECT_EQ(Viewer().startupResult, kNoErr);
    EXPECT_EQ(shown, (std::vector<std::string> {
                         "Viewer", "Viewer is unable to find the KilnKernel plug-in, it may be missing or corrupt."}));
    EXPECT_EQ(m_host.Menus().Tree(kToolPalettesMenuGroup), kGroupOnlyMenuTree);
    EXPECT_EQ(NotifierCount("KVViewerColorPrefsNotif"), 0);
    EXPECT_EQ(NotifierCount("KVViewerCSNotif"), 0);
    EXPECT_EQ(TakeEngineCalls(), std::vector<std::string> {});
    EXPECT_FALSE(std::filesystem::exists(SettingsFolder(m_folder)));
    EXPECT_EQ(m_host.Suites().AcquireCount("BSCDIAG Suite"), 0);
}

// With only one of the two required engine suites nothing is created, and the message waits for
// the host's initialisation.
TEST_F(ViewerStartupTest, MissingEngineSuiteShowsTheMessageOnlyOnceTheHostIsInitialised)
{
    m_host.Suites().SetMissing("HL Kiln Suite", true);
    const char* plugins = std::getenv("HUELINE_PLUGIN_DIR");
    ASSERT_NE(plugins, nullptr);
    m_host.SetFolder(kAIPluginResourcesFolderType, hostsim::ResourceFolderBeside(plugins));
    m_host.SetUserInteractionAllowed(true);
    m_host.LoadPluginFolder(plugins);
    m_host.StartPlugins();
    m_host.Broadcast("AI Application Started Notifier");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    std::vector<std::string> shown;
    CloseNextDialog(shown);
    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(m_host.Menus().Tree(kToolPalettesMenuGroup), kGroupOnlyMenuTree);
    EXPECT_EQ(NotifierCount("KVViewerCSNotif"), 0);
}

}  // namespace
