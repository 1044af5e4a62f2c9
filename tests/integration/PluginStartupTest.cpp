// Start-up, shut-down, suites, start-up actions and folders of a framework plug-in, through
// PluginMain as the simulated host calls it.

#include "ProbeHost.h"

#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/FourCC.h"

#include <cstring>

namespace {

constexpr const char* kBaseSuites[] = {
    "AI Notifier Suite", "AI Folders Suite", "AI File Path Suite", "AI Unicode String Suite",
    "SP Blocks Suite",   "AI Command Manager Suite", "SP Plug-ins Suite",
};

using StartupTest = ProbeHostTest;

TEST_F(StartupTest, MajorVersion22StartsNamesThePluginAndRegistersTheApplicationNotifiers)
{
    EXPECT_EQ(SendStartup(), kNoErr);
    EXPECT_EQ(m_plugin->displayName, "Hueline Viewer");
    const auto started = NotifiersNamed("AIPlugWrap Plugin Startup Notifier");
    const auto shutdown = NotifiersNamed("AIPlugWrap Plugin Shutdown Notifier");
    ASSERT_EQ(started.size(), 1u);
    ASSERT_EQ(shutdown.size(), 1u);
    EXPECT_EQ(started[0]->type, "AI Application Started Notifier");
    EXPECT_EQ(shutdown[0]->type, "AI Application Shutdown Notifier");
}

TEST_F(StartupTest, OtherMajorVersionsAreRefusedAndTheRuntimeSuiteIsReleased)
{
    for (const int version : {21, 23}) {
        SCOPED_TRACE(version);
        m_host.SetMajorVersion(version);
        const int acquiredBefore = m_host.Suites().AcquireCount("AI Runtime Suite");
        EXPECT_EQ(SendStartup(), FourCC("S!Fd"));
        EXPECT_EQ(m_host.Suites().AcquireCount("AI Runtime Suite"), acquiredBefore + 1);
        EXPECT_EQ(m_host.Suites().HeldCount("AI Runtime Suite"), 0);
        EXPECT_TRUE(m_host.Notifiers().All().empty());
    }
}

TEST_F(StartupTest, ControlKeyHeldDeclinesBeforeAskingTheHostAnything)
{
    m_host.SetControlKeyHeld(true);
    EXPECT_EQ(SendStartup(), -1);
    EXPECT_EQ(m_host.Suites().AcquireCount("AI Runtime Suite"), 0);
    EXPECT_TRUE(m_host.Notifiers().All().empty());
}

TEST_F(StartupTest, CheckWordOtherThanSPCkNeverCreatesThePlugin)
{
    SPMessageData header = m_host.Header(*m_plugin);
    header.SPCheck = FourCC("SPCK");
    EXPECT_EQ(SendStartupWithHeader(header), kNoErr);
    EXPECT_EQ(m_host.Suites().AcquireCount("SP Access Suite"), 0);
    EXPECT_TRUE(m_host.Notifiers().All().empty());

    EXPECT_EQ(SendStartup(), kNoErr);
    EXPECT_EQ(NotifiersNamed("AIPlugWrap Plugin Startup Notifier").size(), 1u);
}

TEST_F(StartupTest, RuntimeSuiteFailureIsReturnedAtOnce)
{
    m_host.Suites().SetAcquireError("AI Runtime Suite", FourCC("RtX!"));
    EXPECT_EQ(SendStartup(), FourCC("RtX!"));
    EXPECT_EQ(m_host.Suites().AcquireCount("SP Access Suite"), 0);
    EXPECT_EQ(m_host.Suites().ReleaseCount("AI Runtime Suite"), 0);
}

TEST_F(StartupTest, NoAccessReferenceRefusesTheStartUp)
{
    m_host.SetNoAccessReference(true);
    EXPECT_NE(SendStartup(), kNoErr);
    EXPECT_EQ(m_host.Suites().HeldCount("SP Access Suite"), 0);
    EXPECT_TRUE(m_host.Notifiers().All().empty());
    EXPECT_TRUE(m_plugin->displayName.empty());
}

TEST_F(StartupTest, BaseSuiteFailingToAcquireDeletesTheObjectAndReturnsTheHostError)
{
    m_host.Suites().SetAcquireError("AI Folders Suite", FourCC("Fld!"));
    EXPECT_EQ(SendStartup(), FourCC("Fld!"));

    // No object survived: the next start-up constructs a new one.
    m_host.Suites().SetAcquireError("AI Folders Suite", kNoErr);
    EXPECT_EQ(SendStartup(), kNoErr);
    EXPECT_EQ(NotifiersNamed("AIPlugWrap Plugin Startup Notifier").size(), 2u);
    EXPECT_EQ(TakeLog(), "");
}

TEST_F(StartupTest, SuitesRegisteredAtConstructionStayHeldAndMessagesOnlyCount)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    for (const char* suite : kBaseSuites)
        EXPECT_EQ(m_host.Suites().HeldCount(suite), 1) << suite;

    const int acquired = m_host.Suites().AcquireCount("AI Notifier Suite");
    m_host.Broadcast("AI Application Started Notifier");
    EXPECT_EQ(m_host.Suites().AcquireCount("AI Notifier Suite"), acquired);
    EXPECT_EQ(m_host.Suites().HeldCount("AI Notifier Suite"), 1);
}

TEST_F(StartupTest, SecondStartupIsDispatchedWithoutANewObject)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    EXPECT_EQ(SendStartup(), kNoErr);
    EXPECT_EQ(NotifiersNamed("AIPlugWrap Plugin Startup Notifier").size(), 1u);
}

using SuiteRegistrationTest = ProbeHostTest;

TEST_F(SuiteRegistrationTest, SuiteAlreadyWantedWhileSuitesAreHeldIsNotAcquiredTwice)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    const CoreProbeSuite& probe = Probe();
    const int menuAcquires = m_host.Suites().AcquireCount("AI Menu Suite");
    EXPECT_EQ(probe.AddSuite("AI Menu Suite"), kNoErr);
    EXPECT_EQ(m_host.Suites().AcquireCount("AI Menu Suite"), menuAcquires);

    EXPECT_EQ(probe.AddSuite("AI Art Suite"), kNoErr);
    EXPECT_EQ(probe.AddSuite("AI Art Suite"), kNoErr);
    EXPECT_EQ(m_host.Suites().AcquireCount("AI Art Suite"), 1);
    EXPECT_EQ(m_host.Suites().HeldCount("AI Art Suite"), 1);
}

TEST_F(SuiteRegistrationTest, UnknownNameAnswersOneAndFailingAcquisitionItsError)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    EXPECT_EQ(Probe().AddSuite("AI Notifier suite"), 1);
    m_host.Suites().SetAcquireError("AI Undo Suite", FourCC("Und!"));
    EXPECT_EQ(Probe().AddSuite("AI Undo Suite"), FourCC("Und!"));
}

using ShutdownTest = ProbeHostTest;

TEST_F(ShutdownTest, RegistriesAreDeletedInsideTheDispatchBeforeTheObject)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    AINotifierHandle handle = nullptr;
    Probe().AddNotifier("HL Test", &handle);
    TakeLog();
    EXPECT_EQ(m_host.SendShutdown(*m_plugin), kNoErr);
    // Nesting 2: the shut-down message's hold on top of the plug-in's own.
    EXPECT_EQ(TakeLog(), "~1(2), ~plugin(1)");
}

TEST_F(ShutdownTest, DeletingTheNotifierRegistryDeletesNotifiersCreatedAfterStartup)
{
    m_host.Startup();
    AINotifierHandle handle = nullptr;
    for (int i = 0; i < 3; ++i)
        Probe().AddNotifier("HL Test", &handle);
    TakeLog();
    m_host.Shutdown();
    EXPECT_EQ(TakeLog(), "shutdown, ~1(2), ~2(2), ~3(2), ~plugin(1)");
}

TEST_F(ShutdownTest, MessagesAfterShutdownAreNoOps)
{
    m_host.Startup();
    AINotifierHandle notifier = nullptr;
    Probe().AddNotifier("HL Test", &notifier);
    ASInt32 id = 0;
    AIMenuItemHandle item = nullptr;
    Probe().AddMenuItem("Item", FourCC("Go!!"), &id, &item);
    m_host.Shutdown();
    TakeLog();

    AINotifierMessage message{m_host.Header(*m_plugin), notifier, "HL Test", nullptr};
    EXPECT_EQ(m_host.Send(*m_plugin, kCallerAINotifier, kSelectorAINotify, &message), kNoErr);
    EXPECT_EQ(m_host.ChooseMenuItem(item), kNoErr);
    EXPECT_EQ(m_host.SendShutdown(*m_plugin), kNoErr);
    EXPECT_EQ(TakeLog(), "");
}

TEST_F(ShutdownTest, ApplicationShutdownCommitsAndDeletesOwnedPanelsInOrder)
{
    m_host.Startup();
    Probe().AddOwnedPanel(1);
    Probe().AddOwnedPanel(2);
    TakeLog();
    m_host.Broadcast("AI Application Shutdown Notifier");
    EXPECT_EQ(TakeLog(), "shutdown, commit 1, ~panel 1, commit 2, ~panel 2");
    m_host.Broadcast("AI Application Shutdown Notifier");
    EXPECT_EQ(TakeLog(), "shutdown");
}

using StartupActionTest = ProbeHostTest;

TEST_F(StartupActionTest, TwoActionsRunInQueuedOrderOnceEach)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    Probe().QueueStartupAction(1);
    Probe().QueueStartupAction(2);
    const auto notifiers = NotifiersNamed("TKW_StartupActionNotifier");
    ASSERT_EQ(notifiers.size(), 1u);
    EXPECT_EQ(notifiers[0]->type, "AI OwlApp Init Dispatched Notifier");

    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    EXPECT_EQ(TakeLog(), "action 1, action 2");
    EXPECT_FALSE(notifiers[0]->active);
    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    EXPECT_EQ(TakeLog(), "");
}

TEST_F(StartupActionTest, ActionQueuedAfterTheRunGetsAFreshNotifier)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    Probe().QueueStartupAction(1);
    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    Probe().QueueStartupAction(3);
    const auto notifiers = NotifiersNamed("TKW_StartupActionNotifier");
    ASSERT_EQ(notifiers.size(), 2u);
    EXPECT_FALSE(notifiers[0]->active);
    EXPECT_TRUE(notifiers[1]->active);
    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    EXPECT_EQ(TakeLog(), "action 1, action 3");
}

TEST_F(StartupActionTest, ApplicationStartedRunsTheHookThenSetsTheFlag)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    EXPECT_FALSE(Probe().IsApplicationStarted());
    m_host.Broadcast("AI Application Started Notifier");
    EXPECT_TRUE(Probe().IsApplicationStarted());
    EXPECT_EQ(TakeLog(), "started");
}

using FolderTest = ProbeHostTest;

TEST_F(FolderTest, FolderTextAnswersSMALWhenTheTextAndItsNulDoNotFit)
{
    m_host.SetFolder(kAIApplicationFolderType, "/opt/host/");
    m_host.SetFolder(kAIPluginResourcesFolderType, "/opt/host/Plug-ins/");
    ASSERT_EQ(SendStartup(), kNoErr);
    const CoreProbeSuite& probe = Probe();
    char buffer[64];
    EXPECT_EQ(probe.HostFolderText(buffer, 10), FourCC("SMAL"));
    EXPECT_EQ(probe.HostFolderText(buffer, 11), kNoErr);
    EXPECT_STREQ(buffer, "/opt/host/");
    EXPECT_EQ(probe.ResourceFolderText(buffer, 19), FourCC("SMAL"));
    EXPECT_EQ(probe.ResourceFolderText(buffer, sizeof buffer), kNoErr);
    EXPECT_STREQ(buffer, "/opt/host/Plug-ins/");
}

TEST_F(FolderTest, HostFolderErrorPassesUnchanged)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    char buffer[64];
    EXPECT_EQ(Probe().HostFolderText(buffer, sizeof buffer), FourCC("FLD?"));
}

}  // namespace
