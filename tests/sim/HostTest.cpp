#include "sim/host/Host.h"

#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/AINotifierSuite.h"
#include "plugin/suites/FourCC.h"
#include "plugin/suites/SPBasicSuite.h"

#include <gtest/gtest.h>

#include <filesystem>

extern "C" short HostSimGetKeyState(int virtualKey);

namespace {

class HostTest : public ::testing::Test
{
protected:
    SPPlugin& LoadEcho()
    {
        std::string error;
        SPPlugin* plugin = host.LoadPlugin(ECHO_PLUGIN, error);
        EXPECT_TRUE(plugin) << error;
        return *plugin;
    }

    // The echo plug-in logs every message into its menu item's text.
    std::string EchoLog()
    {
        const auto items = host.Menus().ItemsOf(kToolPalettesMenuGroup);
        return items.empty() ? std::string("<no item>") : host.Menus().FindItem(items.front())->text;
    }

    hostsim::Host host;
};

}  // namespace

TEST_F(HostTest, LoadsAFolderExceptTheNamedFilesAndRefusesAFileWithoutPropertyList)
{
    std::string error;
    EXPECT_EQ(host.LoadPlugin(NO_PIPL_PLUGIN, error), nullptr);
    EXPECT_EQ(error, "no plug-in property list");
    EXPECT_TRUE(host.Plugins().empty());
    const std::string folder = std::filesystem::path(ECHO_PLUGIN).parent_path().string();
    EXPECT_TRUE(host.LoadPluginFolder(folder, {"Echo.aip"}).empty());
    EXPECT_EQ(host.FindPlugin("Echo.aip"), nullptr);
    EXPECT_TRUE(host.LoadPluginFolder(folder, {"Other.aip"}).empty());
    EXPECT_NE(host.FindPlugin("Echo.aip"), nullptr);
}

TEST_F(HostTest, SendsTheStartUpAndShutDownSequencesOfTheRealHostInTwoHalves)
{
    SPPlugin& echo = LoadEcho();
    host.StartPlugins();
    EXPECT_TRUE(echo.started);
    EXPECT_EQ(EchoLog(), "Startup");
    host.FinishStartup();
    host.Broadcast("Echo Type");
    host.Broadcast("Other Type");
    EXPECT_EQ(EchoLog(), "Startup|AI Application Started Notifier|AI OwlApp Init Dispatched Notifier|Echo Type");

    host.Shutdown();
    EXPECT_FALSE(echo.started);
    EXPECT_EQ(EchoLog(), "Startup|AI Application Started Notifier|AI OwlApp Init Dispatched Notifier|Echo Type|"
                         "AI Application Shutdown Notifier|SP Interface/Shutdown");
}

TEST_F(HostTest, TimersFireEachTimeTheirPeriodPasses)
{
    LoadEcho();
    host.Startup();
    const std::string started = EchoLog();
    host.AdvanceTicks(7);
    EXPECT_EQ(EchoLog(), started + "|Tick|Tick");

    ASSERT_EQ(host.Timers().All().size(), 1u);
    AITimerHandle timer = host.Timers().All().front();
    host.Timers().SetActive(timer, false);
    host.AdvanceTicks(10);
    EXPECT_EQ(EchoLog(), started + "|Tick|Tick");
    host.Timers().SetActive(timer, true);
    host.AdvanceTicks(2);
    EXPECT_EQ(EchoLog(), started + "|Tick|Tick");
    host.AdvanceTicks(1);
    EXPECT_EQ(EchoLog(), started + "|Tick|Tick|Tick");
}

TEST_F(HostTest, MenuCommandsReachTheOwningPlugin)
{
    LoadEcho();
    host.Startup();
    const AIMenuItemHandle item = host.Menus().ItemsOf(kToolPalettesMenuGroup).front();
    EXPECT_EQ(host.UpdateMenuItem(item), kNoErr);
    EXPECT_EQ(host.ChooseMenuItem(item), kNoErr);
    EXPECT_NE(EchoLog().find("|AI Update|AI Go"), std::string::npos);

    host.Menus().FindItem(item)->enabled = false;
    EXPECT_NE(host.ChooseMenuItem(item), kNoErr);
}

TEST_F(HostTest, CountsEveryAcquireAndReleasePerSuite)
{
    LoadEcho();
    host.Startup();
    EXPECT_EQ(host.Suites().AcquireCount(AINotifierSuite::kName), 1);
    EXPECT_EQ(host.Suites().ReleaseCount(AINotifierSuite::kName), 1);
    EXPECT_EQ(host.Suites().HeldCount(AIMenuSuite::kName), 0);
    EXPECT_GT(host.Suites().AcquireCount(AIMenuSuite::kName), 1);
}

TEST_F(HostTest, AMissingSuiteFailsTheAcquisitionAndThePluginReceivesNothingMore)
{
    host.Suites().SetMissing(AINotifierSuite::kName, true);
    SPPlugin& echo = LoadEcho();
    host.Startup();
    EXPECT_FALSE(echo.started);
    EXPECT_EQ(echo.startupResult, FourCC("NoNt"));
    EXPECT_EQ(host.Suites().AcquireCount(AINotifierSuite::kName), 0);
    host.Broadcast("Echo Type");
    host.AdvanceTicks(30);
    EXPECT_TRUE(host.Notifiers().All().empty());

    const void* suite = &echo;
    EXPECT_EQ(host.BasicSuite()->AcquireSuite(AINotifierSuite::kName, AINotifierSuite::kVersion, &suite),
              hostsim::SuiteNotFoundError());
    EXPECT_EQ(suite, nullptr);
    host.Suites().SetAcquireError(AINotifierSuite::kName, FourCC("FAIL"));
    EXPECT_EQ(host.BasicSuite()->AcquireSuite(AINotifierSuite::kName, 99, &suite), FourCC("FAIL"));
    host.Suites().SetAcquireError(AINotifierSuite::kName, kNoErr);
    EXPECT_EQ(host.BasicSuite()->AcquireSuite(AINotifierSuite::kName, 99, &suite), hostsim::SuiteNotFoundError());
}

TEST_F(HostTest, AccessReferencesAreStablePerPluginAndTheKeyStateShowsTheControlKey)
{
    SPPlugin& echo = LoadEcho();
    SPAccessRef first = host.AccessFor(&echo);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(host.AccessFor(&echo), first);
    host.SetNoAccessReference(true);
    EXPECT_EQ(host.AccessFor(&echo), nullptr);
    EXPECT_EQ(HostSimGetKeyState(17), 0);
    host.SetControlKeyHeld(true);
    EXPECT_NE(HostSimGetKeyState(17) & 0x8000, 0);
    EXPECT_EQ(HostSimGetKeyState(16), 0);
}

TEST_F(HostTest, ContextPopsMustPairWithPushes)
{
    EXPECT_FALSE(host.PopContext());
    host.PushContext();
    host.PushContext();
    EXPECT_EQ(host.ContextDepth(), 2);
    EXPECT_TRUE(host.PopContext());
    EXPECT_EQ(host.ContextDepth(), 1);
    EXPECT_EQ(host.ContextPushes(), 2);
}
