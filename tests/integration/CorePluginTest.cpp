// A framework plug-in (CoreProbe.aip) through PluginMain as the simulated host calls it: start-up,
// shut-down, suites, start-up actions, folders, and the notifications, menu commands and timer
// ticks that reach its registries.

#include "plugin/suites/AIFoldersSuite.h"
#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/FourCC.h"
#include "sim/host/Host.h"
#include "sim/testplugin/CoreProbeSuite.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

// The host with the probe loaded; a started plug-in is shut down as the host would.
class ProbeHost
{
public:
    ProbeHost()
    {
        std::string error;
        m_plugin = m_host.LoadPlugin(CORE_PROBE_PLUGIN, error);
        if (m_plugin == nullptr)
            throw std::runtime_error(error);
    }
    ~ProbeHost()
    {
        if (m_plugin->started)
            m_host.Shutdown();
    }

    SPErr SendStartup() { return m_host.SendStartup(*m_plugin); }

    // The probe suite the running plug-in added to the host.
    const CoreProbeSuite& Probe()
    {
        const void* procs = nullptr;
        if (m_host.Suites().Acquire(CoreProbeSuite::kName, CoreProbeSuite::kVersion, &procs) != kNoErr)
            throw std::runtime_error("the probe suite is not registered");
        return *static_cast<const CoreProbeSuite*>(procs);
    }

    // The log since the last call.
    std::string TakeLog()
    {
        std::string log = Probe().Log();
        Probe().ClearLog();
        return log;
    }

    std::vector<const hostsim::Notifier*> NotifiersNamed(const std::string& name)
    {
        std::vector<const hostsim::Notifier*> found;
        for (const AINotifierHandle handle : m_host.Notifiers().All())
            if (m_host.Notifiers().Find(handle)->name == name)
                found.push_back(m_host.Notifiers().Find(handle));
        return found;
    }

    hostsim::Host m_host;
    SPPlugin* m_plugin = nullptr;
};

class CorePluginTest : public testing::Test, public ProbeHost
{
};

// The started probe's registries, with what the start-up logged taken.
class RegistryMessagesTest : public CorePluginTest
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(SendStartup(), kNoErr);
        TakeLog();
    }

    struct Item
    {
        ASInt32 id = 0;
        AIMenuItemHandle handle = nullptr;
        ASErr added = kNoErr;
    };
    Item AddItem(const std::string& text, ASErr goResult = kNoErr)
    {
        Item item;
        item.added = Probe().AddMenuItem(text.c_str(), goResult, &item.id, &item.handle);
        return item;
    }
    ASErr AddTimer(ASInt32 period, ASInt32* id)
    {
        AITimerHandle handle = nullptr;
        return Probe().AddTimer(period, id, &handle);
    }
};

constexpr const char* kBaseSuites[] = {
    "AI Notifier Suite", "AI Folders Suite", "AI File Path Suite", "AI Unicode String Suite",
    "SP Blocks Suite",   "AI Command Manager Suite", "SP Plug-ins Suite",
};

TEST_F(CorePluginTest, MajorVersion22StartsOnceNamesThePluginAndHoldsItsSuites)
{
    EXPECT_EQ(SendStartup(), kNoErr);
    EXPECT_EQ(SendStartup(), kNoErr) << "a second start-up is dispatched to the same object";
    EXPECT_EQ(m_plugin->displayName, "Hueline Viewer");
    const auto started = NotifiersNamed("AIPlugWrap Plugin Startup Notifier");
    const auto shutdown = NotifiersNamed("AIPlugWrap Plugin Shutdown Notifier");
    ASSERT_EQ(started.size(), 1u);
    ASSERT_EQ(shutdown.size(), 1u);
    EXPECT_EQ(started[0]->type, "AI Application Started Notifier");
    EXPECT_EQ(shutdown[0]->type, "AI Application Shutdown Notifier");
    for (const char* suite : kBaseSuites)
        EXPECT_EQ(m_host.Suites().HeldCount(suite), 1) << suite;

    const int acquired = m_host.Suites().AcquireCount("AI Notifier Suite");
    EXPECT_FALSE(Probe().IsApplicationStarted());
    m_host.Broadcast("AI Application Started Notifier");
    EXPECT_TRUE(Probe().IsApplicationStarted());
    EXPECT_EQ(TakeLog(), "started");
    EXPECT_EQ(m_host.Suites().AcquireCount("AI Notifier Suite"), acquired) << "a message only counts held suites";
    EXPECT_EQ(m_host.Suites().HeldCount("AI Notifier Suite"), 1);
}

constexpr SPErr kAnyError = 0x7FFFFFFF;

struct Refusal
{
    const char* what;
    std::function<SPErr(ProbeHost&)> start;
    SPErr result;
    const char* neverAcquired;
    size_t notifiersLeft;
    // Undoes the cause, when a later start-up must then succeed with a new object.
    std::function<void(hostsim::Host&)> undo;
};

// Start-ups the plug-in refuses or declines: the host's error comes back, no object survives and
// nothing stays held; the notifiers an object registered before failing stay with the host.
TEST(StartupRefusalTest, RefusedStartupsLeaveNothingBehind)
{
    const auto startWith = [](std::function<void(hostsim::Host&)> arrange) {
        return [arrange](ProbeHost& probe) {
            arrange(probe.m_host);
            return probe.SendStartup();
        };
    };
    const Refusal refusals[] = {
        {"version 21", startWith([](hostsim::Host& host) { host.SetMajorVersion(21); }), FourCC("S!Fd"), nullptr, 0, nullptr},
        {"version 23", startWith([](hostsim::Host& host) { host.SetMajorVersion(23); }), FourCC("S!Fd"), nullptr, 0, nullptr},
        {"Control key held", startWith([](hostsim::Host& host) { host.SetControlKeyHeld(true); }), -1, "AI Runtime Suite", 0, nullptr},
        {"runtime suite failing", startWith([](hostsim::Host& host) { host.Suites().SetAcquireError("AI Runtime Suite", FourCC("RtX!")); }),
         FourCC("RtX!"), "SP Access Suite", 0, nullptr},
        {"no access reference", startWith([](hostsim::Host& host) { host.SetNoAccessReference(true); }), kAnyError, nullptr, 0, nullptr},
        {"base suite failing", startWith([](hostsim::Host& host) { host.Suites().SetAcquireError("AI Folders Suite", FourCC("Fld!")); }),
         FourCC("Fld!"), nullptr, 2, [](hostsim::Host& host) { host.Suites().SetAcquireError("AI Folders Suite", kNoErr); }},
        {"check word other than SPCk",
         [](ProbeHost& probe) {
             SPMessageData header = probe.m_host.Header(*probe.m_plugin);
             header.SPCheck = FourCC("SPCK");
             return probe.m_host.Send(*probe.m_plugin, kSPInterfaceCaller, kSPInterfaceStartupSelector, &header);
         },
         kNoErr, "SP Access Suite", 0, [](hostsim::Host&) {}},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.what);
        ProbeHost probe;
        const SPErr result = refusal.start(probe);
        EXPECT_TRUE(refusal.result == kAnyError ? result != kNoErr : result == refusal.result) << result;
        EXPECT_EQ(probe.m_host.Notifiers().All().size(), refusal.notifiersLeft);
        EXPECT_TRUE(probe.m_plugin->displayName.empty());
        for (const char* suite : {"AI Runtime Suite", "SP Access Suite", "AI Notifier Suite"})
            EXPECT_EQ(probe.m_host.Suites().HeldCount(suite), 0) << suite;
        EXPECT_EQ(refusal.neverAcquired ? probe.m_host.Suites().AcquireCount(refusal.neverAcquired) : 0, 0) << "asked before refusing";
        if (refusal.undo) {
            refusal.undo(probe.m_host);
            EXPECT_EQ(probe.SendStartup(), kNoErr);
            EXPECT_EQ(probe.m_host.Notifiers().All().size(), refusal.notifiersLeft + 2) << "a new object's two";
        }
    }
}

TEST_F(CorePluginTest, SuitesAreAcquiredOnceAndUnknownOrFailingOnesAnswerTheirError)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    const int menuAcquires = m_host.Suites().AcquireCount("AI Menu Suite");
    EXPECT_EQ(Probe().AddSuite("AI Menu Suite"), kNoErr);
    EXPECT_EQ(m_host.Suites().AcquireCount("AI Menu Suite"), menuAcquires) << "already wanted";
    EXPECT_EQ(Probe().AddSuite("AI Art Suite"), kNoErr);
    EXPECT_EQ(Probe().AddSuite("AI Art Suite"), kNoErr);
    EXPECT_EQ(m_host.Suites().AcquireCount("AI Art Suite"), 1);
    EXPECT_EQ(m_host.Suites().HeldCount("AI Art Suite"), 1);
    EXPECT_EQ(Probe().AddSuite("AI Notifier suite"), 1) << "unknown name";
    m_host.Suites().SetAcquireError("AI Undo Suite", FourCC("Und!"));
    EXPECT_EQ(Probe().AddSuite("AI Undo Suite"), FourCC("Und!"));
}

// Deleting the registries deletes every object they hold, those made after start-up included,
// inside the shut-down dispatch (nesting 2) and before the plug-in object; later messages do nothing.
TEST_F(CorePluginTest, ShutdownDeletesEveryRegisteredObjectAndLaterMessagesAreNoOps)
{
    m_host.Startup();
    AINotifierHandle notifier = nullptr;
    for (int i = 0; i < 3; ++i)
        Probe().AddNotifier("HL Test", &notifier);
    ASInt32 id = 0;
    AIMenuItemHandle item = nullptr;
    Probe().AddMenuItem("Item", FourCC("Go!!"), &id, &item);
    TakeLog();
    m_host.Shutdown();
    EXPECT_EQ(TakeLog(), "shutdown, ~4(2), ~1(2), ~2(2), ~3(2), ~plugin(1)");

    AINotifierMessage message {m_host.Header(*m_plugin), notifier, "HL Test", nullptr};
    EXPECT_EQ(m_host.Send(*m_plugin, kCallerAINotifier, kSelectorAINotify, &message), kNoErr);
    EXPECT_EQ(m_host.ChooseMenuItem(item), kNoErr);
    EXPECT_EQ(m_host.SendShutdown(*m_plugin), kNoErr);
    EXPECT_EQ(TakeLog(), "");
}

// Queued actions run once each, in order, at the host's initialisation; one queued later gets a
// fresh notifier.
TEST_F(CorePluginTest, StartupActionsRunOnceInQueuedOrder)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    Probe().QueueStartupAction(1);
    Probe().QueueStartupAction(2);
    ASSERT_EQ(NotifiersNamed("TKW_StartupActionNotifier").size(), 1u);
    EXPECT_EQ(NotifiersNamed("TKW_StartupActionNotifier")[0]->type, "AI OwlApp Init Dispatched Notifier");
    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    EXPECT_EQ(TakeLog(), "action 1, action 2");
    Probe().QueueStartupAction(3);
    const auto notifiers = NotifiersNamed("TKW_StartupActionNotifier");
    ASSERT_EQ(notifiers.size(), 2u);
    EXPECT_FALSE(notifiers[0]->active);
    EXPECT_TRUE(notifiers[1]->active);
    m_host.Broadcast("AI OwlApp Init Dispatched Notifier");
    EXPECT_EQ(TakeLog(), "action 3");
}

TEST_F(CorePluginTest, FolderTextsAnswerSMALWhenTheTextAndItsNulDoNotFitAndHostErrorsPassUnchanged)
{
    ASSERT_EQ(SendStartup(), kNoErr);
    char buffer[64];
    EXPECT_EQ(Probe().HostFolderText(buffer, sizeof buffer), FourCC("FLD?"));
    m_host.SetFolder(kAIApplicationFolderType, "/opt/host/");
    m_host.SetFolder(kAIPluginResourcesFolderType, "/opt/host/Plug-ins/");
    EXPECT_EQ(Probe().HostFolderText(buffer, 10), FourCC("SMAL"));
    EXPECT_EQ(Probe().HostFolderText(buffer, 11), kNoErr);
    EXPECT_STREQ(buffer, "/opt/host/");
    EXPECT_EQ(Probe().ResourceFolderText(buffer, 19), FourCC("SMAL"));
    EXPECT_EQ(Probe().ResourceFolderText(buffer, sizeof buffer), kNoErr);
    EXPECT_STREQ(buffer, "/opt/host/Plug-ins/");
}

// Two notifiers of one type have their own handles; a message reaches only the addressed one, and
// a deleted notifier leaves its registry at once.
TEST_F(RegistryMessagesTest, NotificationsReachOnlyTheNotifiersHoldingTheirHandle)
{
    AINotifierHandle first = nullptr;
    AINotifierHandle second = nullptr;
    Probe().AddNotifier("HL Test", &first);
    Probe().AddNotifier("HL Test", &second);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    m_host.Broadcast("HL Test");
    EXPECT_EQ(TakeLog(), "notify 1, notify 2");
    AINotifierMessage message {m_host.Header(*m_plugin), second, "HL Test", nullptr};
    EXPECT_EQ(m_host.Send(*m_plugin, kCallerAINotifier, kSelectorAINotify, &message), kNoErr);
    EXPECT_EQ(TakeLog(), "notify 2");
    EXPECT_EQ(Probe().DeleteObject(1), kNoErr);
    m_host.Broadcast("HL Test");
    EXPECT_EQ(TakeLog(), "~1(1), notify 2");
}

TEST_F(RegistryMessagesTest, MenuItemsLiveInTheViewerSubmenuAndOnlyTheAddressedOneGetsItsMessages)
{
    const Item plain = AddItem("Generate");
    const Item failing = AddItem("Failing", FourCC("Go!!"));
    ASSERT_EQ(plain.added, kNoErr);
    EXPECT_EQ(m_host.Menus().ItemAtPath(kToolPalettesMenuGroup, {"Hueline", "Viewer", "Generate"}), plain.handle);
    const hostsim::MenuItem* found = m_host.Menus().FindItem(plain.handle);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->key, "Generate_HL");
    EXPECT_EQ(found->group, "HLViewerMenuGroup");
    EXPECT_EQ(found->options, kMenuItemWantsUpdateOption);
    EXPECT_EQ(TakeLog(), "added 1, added 2");
    EXPECT_EQ(m_host.ChooseMenuItem(failing.handle), FourCC("Go!!"));
    EXPECT_EQ(TakeLog(), "go 2");
    EXPECT_EQ(m_host.UpdateMenuItem(plain.handle), kNoErr);
    EXPECT_EQ(TakeLog(), "update 1");
}

// After slots 0..4 are used and slot 2's item is deleted, the next item takes slot 2 and the
// high-water count stays 5; the seventeenth item is refused and gets no messages.
TEST_F(RegistryMessagesTest, FreedMenuSlotsAreReusedUpToSixteenItems)
{
    for (const char* text : {"A", "B", "C", "D", "E"})
        ASSERT_EQ(AddItem(text).added, kNoErr);
    ASSERT_EQ(Probe().MenuSlot(3), 2);
    EXPECT_EQ(Probe().DeleteObject(3), kNoErr);
    EXPECT_EQ(Probe().MenuSlot(AddItem("F").id), 2);
    EXPECT_EQ(Probe().MenuHighWater(), 5);
    for (int i = 5; i < 16; ++i)
        ASSERT_EQ(AddItem("Item " + std::to_string(i)).added, kNoErr);
    const Item extra = AddItem("Extra", FourCC("Go!!"));
    EXPECT_EQ(extra.added, FourCC("ErAM"));
    EXPECT_EQ(Probe().MenuSlot(extra.id), -1);
    ASSERT_NE(m_host.Menus().FindItem(extra.handle), nullptr);
    TakeLog();
    EXPECT_EQ(m_host.ChooseMenuItem(extra.handle), kNoErr);
    EXPECT_EQ(TakeLog(), "");
}

// Ticks reach a timer with their selector; the 101st timer ever created is refused even after
// deletions, and only registered timers tick.
TEST_F(RegistryMessagesTest, TimersTickUntilTheHundredAndFirstIsRefused)
{
    ASInt32 id = 0;
    ASSERT_EQ(AddTimer(2, &id), kNoErr);
    m_host.AdvanceTicks(5);
    EXPECT_EQ(TakeLog(), "tick 1 Go, tick 1 Go");
    ASSERT_EQ(Probe().DeleteObject(1), kNoErr);
    for (int i = 1; i < 100; ++i)
        ASSERT_EQ(AddTimer(60, &id), kNoErr);
    for (ASInt32 deleted = 2; deleted <= 50; ++deleted)
        ASSERT_EQ(Probe().DeleteObject(deleted), kNoErr);
    EXPECT_EQ(AddTimer(60, &id), FourCC("ErAT"));
    TakeLog();
    m_host.AdvanceTicks(60);
    const std::string log = TakeLog();
    EXPECT_EQ(log.find("tick " + std::to_string(id) + " "), std::string::npos);
    EXPECT_NE(log.find("tick 100 Go"), std::string::npos);
    EXPECT_EQ(log.find("tick 50 Go"), std::string::npos);
}

}  // namespace
