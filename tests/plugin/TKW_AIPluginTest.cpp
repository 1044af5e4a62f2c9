// The framework's resource folder, owned panels and start-up messages, in process against the
// simulated host.

#include "InProcessPlugin.h"

#include "plugin/TKW_AIOwnedPanel.h"
#include "plugin/TKW_CriticalMessageHook.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/FourCC.h"
#include "support/Localization.h"
#include "tests/support/TemporaryFolder.h"

#include <string>

namespace {

class RecordingPanel : public TKW_AIOwnedPanel
{
public:
    explicit RecordingPanel(std::string name) : m_name(std::move(name)) {}
    ~RecordingPanel() override { Record("delete " + m_name); }
    void CommitItems() override { Record("commit " + m_name); }

private:
    std::string m_name;
};

class PluginFrameworkTest : public InProcessPluginTest
{
protected:
    void SetUp() override
    {
        InProcessPluginTest::SetUp();
        m_plugin->SetToolkitHooks({[] { Record("increase"); }, [] { Record("decrease"); }});
    }
    void TearDown() override
    {
        TKW_CriticalMessageHook::Install(nullptr);
        InProcessPluginTest::TearDown();
    }

    static void RecordMessage(const char* title, const char* text) { Record(std::string(title) + " | " + text); }
};

// In this order: without a folder the folder service fails; each failure leaves the path empty.
TEST_F(PluginFrameworkTest, ResourceFolderBelowTheHostFolderHoldsTheCoreTranslations)
{
    TemporaryFolder resources;
    resources.Write("Hueline/Probe.plugin/genAI.asc", "\"Resource folder probe\" : \"found\"\n");
    const struct { std::string hostFolder; ASErr result; std::string path; } rows[] = {
        {"", FourCC("FLD?"), ""},
        {std::string(TKW_AIPlugin::kResourceFolderTextSize, 'x'), FourCC("SMAL"), ""},
        {resources.Utf8(), kNoErr, resources.Utf8() + "\\Hueline\\Probe.plugin"},
        {resources.Utf8() + "\\", kNoErr, resources.Utf8() + "\\Hueline\\Probe.plugin"},
    };
    for (const auto& row : rows) {
        if (!row.hostFolder.empty())
            m_host.SetFolder(kAIPluginResourcesFolderType, row.hostFolder);
        SCOPED_TRACE(testing::Message() << "host folder of " << row.hostFolder.size() << " bytes");
        EXPECT_EQ(m_plugin->InitResourceFolder("Probe"), row.result);
        EXPECT_EQ(m_plugin->GetResourceFolderPath(), row.path);
    }
    EXPECT_STREQ(LocalizeKey("Resource folder probe"), "found");
}

TEST_F(PluginFrameworkTest, ShutdownCommitsAndDeletesEachPanelInsideOneCountedDialogIfThereArePanels)
{
    NotifyNamed("AIPlugWrap Plugin Shutdown Notifier");
    EXPECT_EQ(TakeEvents(), "");
    m_plugin->AddOwnedPanel(std::make_unique<RecordingPanel>("A"));
    m_plugin->AddOwnedPanel(std::make_unique<RecordingPanel>("B"));
    NotifyNamed("AIPlugWrap Plugin Shutdown Notifier");
    EXPECT_EQ(TakeEvents(), "increase, commit A, delete A, commit B, delete B, decrease");
}

// Queued messages wait for the host's initialisation and need the hook then; without one they
// are dropped, not kept for a later hook.
TEST_F(PluginFrameworkTest, StartupMessagesShowOnceInOrderThroughTheHookInstalledAtInitialisation)
{
    m_plugin->ShowStartupMessage("Missing engine", "Viewer is unable to find the KilnKernel plug-in.");
    m_plugin->ShowStartupMessage(nullptr, nullptr);
    TKW_CriticalMessageHook::Install(RecordMessage);
    EXPECT_EQ(TakeEvents(), "");
    NotifyNamed("TKW_StartupActionNotifier");
    NotifyNamed("TKW_StartupActionNotifier");
    EXPECT_EQ(TakeEvents(), "Missing engine | Viewer is unable to find the KilnKernel plug-in.,  | ");

    TKW_CriticalMessageHook::Install(nullptr);
    m_plugin->ShowStartupMessage("Dropped", "nobody shows this");
    NotifyNamed("TKW_StartupActionNotifier");
    TKW_CriticalMessageHook::Install(RecordMessage);
    NotifyNamed("TKW_StartupActionNotifier");
    EXPECT_EQ(TakeEvents(), "");
}

}  // namespace
