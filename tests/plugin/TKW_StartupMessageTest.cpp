// ShowStartupMessage: the queued critical message reaches the installed hook when the host's
// initialisation has been dispatched, and is dropped without one.

#include "InProcessPlugin.h"

#include "plugin/TKW_CriticalMessageHook.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_shown;

void RecordMessage(const char* title, const char* text)
{
    g_shown.push_back(std::string(title) + " | " + text);
}

class StartupMessageTest : public InProcessPluginTest
{
protected:
    void SetUp() override
    {
        InProcessPluginTest::SetUp();
        g_shown.clear();
    }
    void TearDown() override
    {
        TKW_CriticalMessageHook::Install(nullptr);
        InProcessPluginTest::TearDown();
    }

    // What the host sends once its initialisation was dispatched, to the plug-in's notifier.
    void DispatchInitDone()
    {
        for (const AINotifierHandle handle : m_host.Notifiers().All()) {
            const hostsim::Notifier* notifier = m_host.Notifiers().Find(handle);
            if (notifier->name != "TKW_StartupActionNotifier" || !notifier->active)
                continue;
            AINotifierMessage message{Header(), handle,
                                      "AI OwlApp Init Dispatched Notifier", nullptr};
            Dispatch(kCallerAINotifier, kSelectorAINotify, &message);
        }
    }
};

TEST_F(StartupMessageTest, ShownInOrderOnceThroughTheHookAfterInitialisation)
{
    TKW_CriticalMessageHook::Install(RecordMessage);
    m_plugin->ShowStartupMessage("Missing engine", "Viewer is unable to find the KilnKernel plug-in.");
    m_plugin->ShowStartupMessage(nullptr, nullptr);
    EXPECT_TRUE(g_shown.empty());
    DispatchInitDone();
    DispatchInitDone();
    EXPECT_EQ(g_shown, (std::vector<std::string>{"Missing engine | Viewer is unable to find the KilnKernel plug-in.",
                                                 " | "}));
}

TEST_F(StartupMessageTest, AHookInstalledBeforeInitialisationShowsTheMessageButWithoutOneItIsDropped)
{
    m_plugin->ShowStartupMessage("Late", "hook");
    TKW_CriticalMessageHook::Install(RecordMessage);
    DispatchInitDone();
    EXPECT_EQ(g_shown, std::vector<std::string>{"Late | hook"});
    TKW_CriticalMessageHook::Install(nullptr);
    m_plugin->ShowStartupMessage("Dropped", "nobody shows this");
    EXPECT_FALSE(TKW_CriticalMessageHook::Show("Direct", "call"));
    DispatchInitDone();
    TKW_CriticalMessageHook::Install(RecordMessage);
    DispatchInitDone();
    EXPECT_EQ(g_shown.size(), 1u);
}

} // namespace
