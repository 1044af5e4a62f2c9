// Notifications, menu commands and timer ticks reaching the framework's registries through
// PluginMain, and the modifier-key broadcast.

#include "ProbeHost.h"

#include "plugin/suites/AIMenuSuite.h"
#include "plugin/suites/FourCC.h"

namespace {

class RegistryMessagesTest : public ProbeHostTest
{
protected:
    void SetUp() override
    {
        ProbeHostTest::SetUp();
        ASSERT_EQ(SendStartup(), kNoErr);
        TakeLog();
    }

    struct Item
    {
        ASInt32 id = 0;
        AIMenuItemHandle handle = nullptr;
        ASErr added = kNoErr;
    };

    Item AddItem(const char* text, ASErr goResult = kNoErr)
    {
        Item item;
        item.added = Probe().AddMenuItem(text, goResult, &item.id, &item.handle);
        return item;
    }

    ASErr AddTimer(ASInt32 period, ASInt32* id = nullptr)
    {
        ASInt32 ignoredId = 0;
        AITimerHandle handle = nullptr;
        return Probe().AddTimer(period, id != nullptr ? id : &ignoredId, &handle);
    }
};

using NotifierMessagesTest = RegistryMessagesTest;

TEST_F(NotifierMessagesTest, TwoNotifiersOfOneTypeHaveTheirOwnHandles)
{
    AINotifierHandle first = nullptr;
    AINotifierHandle second = nullptr;
    Probe().AddNotifier("HL Test", &first);
    Probe().AddNotifier("HL Test", &second);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);

    m_host.Broadcast("HL Test");
    EXPECT_EQ(TakeLog(), "notify 1, notify 2");

    AINotifierMessage message{m_host.Header(*m_plugin), second, "HL Test", nullptr};
    EXPECT_EQ(m_host.Send(*m_plugin, kCallerAINotifier, kSelectorAINotify, &message), kNoErr);
    EXPECT_EQ(TakeLog(), "notify 2");
}

TEST_F(NotifierMessagesTest, DeletedNotifierLeavesItsRegistryAtOnce)
{
    AINotifierHandle handle = nullptr;
    Probe().AddNotifier("HL Test", &handle);
    Probe().AddNotifier("HL Test", &handle);
    EXPECT_EQ(Probe().DeleteObject(1), kNoErr);
    m_host.Broadcast("HL Test");
    EXPECT_EQ(TakeLog(), "~1(1), notify 2");
}

using MenuMessagesTest = RegistryMessagesTest;

TEST_F(MenuMessagesTest, ItemsLiveInTheViewerSubmenuUnderTheirKey)
{
    const Item item = AddItem("Generate");
    ASSERT_EQ(item.added, kNoErr);
    EXPECT_EQ(m_host.Menus().ItemAtPath(kToolPalettesMenuGroup, {"Hueline", "Viewer", "Generate"}), item.handle);
    const hostsim::MenuItem* found = m_host.Menus().FindItem(item.handle);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->key, "Generate_HL");
    EXPECT_EQ(found->group, "HLViewerMenuGroup");
    EXPECT_EQ(found->options, kMenuItemWantsUpdateOption);
    EXPECT_EQ(TakeLog(), "added 1");
}

TEST_F(MenuMessagesTest, GoResultPassesToTheHostAndUpdateReachesOnlyTheAddressedItem)
{
    const Item plain = AddItem("Plain");
    const Item failing = AddItem("Failing", FourCC("Go!!"));
    TakeLog();
    EXPECT_EQ(m_host.ChooseMenuItem(failing.handle), FourCC("Go!!"));
    EXPECT_EQ(TakeLog(), "go 2");
    EXPECT_EQ(m_host.UpdateMenuItem(plain.handle), kNoErr);
    EXPECT_EQ(TakeLog(), "update 1");
}

TEST_F(MenuMessagesTest, FreedSlotIsReusedAndTheHighWaterCountStays)
{
    for (const char* text : {"A", "B", "C", "D", "E"})
        ASSERT_EQ(AddItem(text).added, kNoErr);
    EXPECT_EQ(Probe().MenuHighWater(), 5);
    ASSERT_EQ(Probe().MenuSlot(3), 2);

    EXPECT_EQ(Probe().DeleteObject(3), kNoErr);
    const Item reused = AddItem("F");
    EXPECT_EQ(Probe().MenuSlot(reused.id), 2);
    EXPECT_EQ(Probe().MenuHighWater(), 5);
}

TEST_F(MenuMessagesTest, SeventeenthItemIsRefusedAndGetsNoMessages)
{
    for (int i = 0; i < 16; ++i)
        ASSERT_EQ(AddItem(("Item " + std::to_string(i)).c_str()).added, kNoErr);
    const Item extra = AddItem("Extra", FourCC("Go!!"));
    EXPECT_EQ(extra.added, FourCC("ErAM"));
    EXPECT_EQ(Probe().MenuSlot(extra.id), -1);
    ASSERT_NE(m_host.Menus().FindItem(extra.handle), nullptr);
    TakeLog();
    EXPECT_EQ(m_host.ChooseMenuItem(extra.handle), kNoErr);
    EXPECT_EQ(TakeLog(), "");
}

using TimerMessagesTest = RegistryMessagesTest;

TEST_F(TimerMessagesTest, TicksReachTheTimerWithTheirSelector)
{
    ASSERT_EQ(AddTimer(2), kNoErr);
    m_host.AdvanceTicks(5);
    EXPECT_EQ(TakeLog(), "tick 1 Go, tick 1 Go");
}

TEST_F(TimerMessagesTest, The101stTimerEverCreatedIsRefusedEvenAfterDeletions)
{
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(AddTimer(60), kNoErr);
    for (ASInt32 id = 1; id <= 50; ++id)
        ASSERT_EQ(Probe().DeleteObject(id), kNoErr);
    ASInt32 id = 0;
    EXPECT_EQ(AddTimer(60, &id), FourCC("ErAT"));
    TakeLog();
    m_host.AdvanceTicks(60);
    // Only the 50 timers still registered tick; the refused one does not.
    const std::string log = TakeLog();
    EXPECT_EQ(log.find("tick " + std::to_string(id) + " "), std::string::npos);
    EXPECT_NE(log.find("tick 100 Go"), std::string::npos);
    EXPECT_EQ(log.find("tick 50 Go"), std::string::npos);
}

using ModifierBroadcastTest = RegistryMessagesTest;

TEST_F(ModifierBroadcastTest, OnlyAChangeOfTheMappedStateIsBroadcast)
{
    const CoreProbeSuite& probe = Probe();
    probe.ChangeModifiers(0x40);  // unmapped bit: the last state is 0 whatever came before
    AINotifierHandle handle = nullptr;
    probe.AddNotifier("HL Modifier Key Stroke Notifier", &handle);
    probe.ChangeModifiers(0);
    TakeLog();

    EXPECT_EQ(probe.ChangeModifiers(1u << 3), kNoErr);
    EXPECT_EQ(TakeLog(), "");
    EXPECT_EQ(probe.ChangeModifiers(1u << 0), kNoErr);
    EXPECT_EQ(TakeLog(), "notify 1 state=0x20");
    EXPECT_EQ(probe.ChangeModifiers((1u << 0) | (1u << 3)), kNoErr);
    EXPECT_EQ(TakeLog(), "");
    EXPECT_EQ(probe.ChangeModifiers(0x17), kNoErr);
    EXPECT_EQ(TakeLog(), "notify 1 state=0x2E0");
    EXPECT_EQ(probe.ChangeModifiers(0), kNoErr);
    EXPECT_EQ(TakeLog(), "notify 1 state=0x0");
}

}  // namespace
