// The framework's resource folder and owned panels, in process against the simulated host.

#include "InProcessPlugin.h"

#include "plugin/TKW_AIOwnedPanel.h"
#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/FourCC.h"
#include "support/Localization.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

void RecordIncrease()
{
    g_events.push_back("increase");
}

void RecordDecrease()
{
    g_events.push_back("decrease");
}

class RecordingPanel : public TKW_AIOwnedPanel
{
public:
    explicit RecordingPanel(std::string name) : m_name(std::move(name)) {}
    ~RecordingPanel() override { g_events.push_back("delete " + m_name); }
    void CommitItems() override { g_events.push_back("commit " + m_name); }

private:
    std::string m_name;
};

class PluginFrameworkTest : public InProcessPluginTest
{
protected:
    void SetUp() override
    {
        InProcessPluginTest::SetUp();
        g_events.clear();
        m_plugin->SetToolkitHooks({RecordIncrease, RecordDecrease});
    }

    // The host's notification to the plug-in's notifier `name`.
    void Notify(const std::string& name)
    {
        for (const AINotifierHandle handle : m_host.Notifiers().All()) {
            const hostsim::Notifier* notifier = m_host.Notifiers().Find(handle);
            if (notifier->name != name || !notifier->active)
                continue;
            AINotifierMessage message{Header(), handle, notifier->type.c_str(), nullptr};
            Dispatch(kCallerAINotifier, kSelectorAINotify, &message);
        }
    }
};

using ResourceFolderTest = PluginFrameworkTest;

TEST_F(ResourceFolderTest, PluginFolderBelowTheHostFolderHoldsTheCoreTranslations)
{
    TemporaryFolder resources;
    const std::filesystem::path plugin = resources.Path() / "Hueline" / "Probe.plugin";
    std::filesystem::create_directories(plugin);
    std::ofstream(plugin / "genAI.asc") << "\"Resource folder probe\" : \"found\"\n";
    m_host.SetFolder(kAIPluginResourcesFolderType, resources.Path().string());

    EXPECT_EQ(m_plugin->InitResourceFolder("Probe"), kNoErr);
    EXPECT_EQ(std::string(m_plugin->GetResourceFolderPath()), resources.Path().string() + "\\Hueline\\Probe.plugin");
    EXPECT_STREQ(LocalizeKey("Resource folder probe"), "found");
}

// In this order: without a folder the folder service fails; each failure leaves the path empty.
TEST_F(ResourceFolderTest, FailuresLeaveThePathEmptyAndATrailingBackslashIsNotDoubled)
{
    const struct
    {
        std::string hostFolder;
        ASErr result;
        const char* path;
    } rows[] = {
        {"", FourCC("FLD?"), ""},
        {std::string(TKW_AIPlugin::kResourceFolderTextSize, 'x'), FourCC("SMAL"), ""},
        {"C:\\Host\\Plug-ins\\", kNoErr, "C:\\Host\\Plug-ins\\Hueline\\Viewer.plugin"},
    };
    for (const auto& row : rows) {
        if (!row.hostFolder.empty())
            m_host.SetFolder(kAIPluginResourcesFolderType, row.hostFolder);
        SCOPED_TRACE(testing::Message() << "host folder of " << row.hostFolder.size() << " bytes");
        EXPECT_EQ(m_plugin->InitResourceFolder("Viewer"), row.result);
        EXPECT_STREQ(m_plugin->GetResourceFolderPath(), row.path);
    }
}

using OwnedPanelTest = PluginFrameworkTest;

TEST_F(OwnedPanelTest, ShutdownCommitsAndDeletesEachPanelInsideOneCountedDialogIfThereArePanels)
{
    Notify("AIPlugWrap Plugin Shutdown Notifier");
    EXPECT_TRUE(g_events.empty());
    m_plugin->AddOwnedPanel(std::make_unique<RecordingPanel>("A"));
    m_plugin->AddOwnedPanel(std::make_unique<RecordingPanel>("B"));
    Notify("AIPlugWrap Plugin Shutdown Notifier");
    EXPECT_EQ(g_events, (std::vector<std::string>{"increase", "commit A", "delete A", "commit B", "delete B",
                                                  "decrease"}));
}

}  // namespace
