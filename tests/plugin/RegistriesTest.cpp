// The notifier, menu and timer registries: matching by host handle, what passes on, their codes.

#include "InProcessPlugin.h"

#include "plugin/HostSuites.h"
#include "plugin/TKW_AIMenuHandler.h"
#include "plugin/TKW_AINotifier.h"
#include "plugin/TKW_AINotifierHandler.h"
#include "plugin/TKW_AISubMenu.h"
#include "plugin/TKW_AITimer.h"
#include "plugin/TKW_AITimerHandler.h"
#include "plugin/suites/FourCC.h"

#include <string>

namespace {

// Each double records what reached it and answers a code of its own.
class LoggingNotifier : public TKW_AINotifier
{
public:
    LoggingNotifier(TKW_AIPlugin* plugin, const char* type, int id)
        : TKW_AINotifier(plugin, "Logging", type), m_id(std::to_string(id)) {}
    ~LoggingNotifier() override
    {
        Record("~" + m_id);
        delete victim;
    }
    ASErr Notify(AINotifierMessage*) override { return Record("notify " + m_id, FourCC("Ntfy")); }

    TKW_AINotifier* victim = nullptr;  // deleted with this notifier

private:
    std::string m_id;
};

class LoggingMenu : public TKW_AIMenu
{
public:
    using TKW_AIMenu::TKW_AIMenu;
    ASErr OnAdded() override { return Record("added"); }
    ASErr Go(AIMenuMessage*) override { return Record("go", FourCC("Go!!")); }
    ASErr Update(AIMenuMessage*) override { return Record("update", FourCC("Upd!")); }
};

class LoggingTimer : public TKW_AITimer
{
public:
    explicit LoggingTimer(TKW_AIPlugin* plugin) : TKW_AITimer(plugin, "Logging", 1) {}
    ASErr Go(AITimerMessage*, const char* selector) override { return Record(selector, FourCC("Tick")); }
};

class RegistryTest : public InProcessPluginTest
{
protected:
    void SetUp() override
    {
        InProcessPluginTest::SetUp();
        m_viewer = std::make_unique<TKW_AISubMenu>(m_plugin.get(), nullptr, "Viewer", 0);
    }
    // The submenu is not registered: it goes while its plug-in still exists.
    void TearDown() override
    {
        m_viewer.reset();
        InProcessPluginTest::TearDown();
    }

    LoggingNotifier* AddNotifier(const char* type = "HL Test")
    {
        auto* notifier = new LoggingNotifier(m_plugin.get(), type, ++m_notifiers);
        m_plugin->AddNotifier(notifier);
        return notifier;
    }
    LoggingMenu* AddMenu()
    {
        auto* menu = new LoggingMenu(m_viewer.get(), "Item", false);
        m_plugin->AddMenu(menu);
        return menu;
    }
    ASErr Notify(AINotifierHandle handle, const char* caller = kCallerAINotifier)
    {
        AINotifierMessage message{Header(), handle, "HL Test", nullptr};
        return Dispatch(caller, kSelectorAINotify, &message);
    }
    ASErr Choose(AIMenuItemHandle item, const char* selector = kSelectorAIGoMenuItem)
    {
        AIMenuMessage message{Header(), item};
        return Dispatch(kCallerAIMenu, selector, &message);
    }
    ASErr Tick(AITimerHandle timer)
    {
        AITimerMessage message{Header(), timer};
        return Dispatch(kCallerAITimer, kSelectorAIGoTimer, &message);
    }

    std::unique_ptr<TKW_AISubMenu> m_viewer;
    int m_notifiers = 0;
};

TEST_F(RegistryTest, NotifierMessageReachesTheNotifierOfItsHandleOnceAndItsResultStaysThere)
{
    const std::size_t before = m_plugin->GetNotifierHandler().Count();
    LoggingNotifier* first = AddNotifier();
    LoggingNotifier* twice = AddNotifier();
    m_plugin->AddNotifier(twice);
    EXPECT_EQ(Notify(twice->GetHandle()), kNoErr);
    EXPECT_EQ(Notify(first->GetHandle(), kCallerAITimer), kNoErr);
    ASSERT_EQ(AddNotifier(nullptr)->GetHandle(), nullptr);  // the host refuses a notifier without a type
    Notify(nullptr);
    EXPECT_EQ(TakeEvents(), "notify 2");

    EXPECT_EQ(m_plugin->RemoveNotifier(twice), kNoErr);
    EXPECT_EQ(m_plugin->GetNotifierHandler().Count(), before + 2);
    EXPECT_EQ(m_plugin->RemoveNotifier(twice), FourCC("ErRN"));
    delete twice;
}

TEST_F(RegistryTest, RegressionNotifierDeletingAnotherOneDuringTheShutdownWalk)
{
    LoggingNotifier* first = AddNotifier();
    first->victim = AddNotifier();
    AddNotifier();
    SPMessageData header = Header();
    EXPECT_EQ(Dispatch(kSPInterfaceCaller, kSPInterfaceShutdownSelector, &header), kNoErr);
    EXPECT_EQ(TakeEvents(), "~1, ~2, ~3");
    EXPECT_EQ(m_plugin->GetNotifierHandler().Count(), 0u);
}

TEST_F(RegistryTest, MenuItemAddedTwiceKeepsOneSlotAndOnlyItsGoAndUpdateResultsPassOn)
{
    LoggingMenu* menu = AddMenu();
    EXPECT_EQ(m_plugin->AddMenu(menu), kNoErr);
    EXPECT_EQ(m_plugin->GetMenuHandler().SlotOf(AddMenu()), 1u);
    EXPECT_EQ(Choose(menu->GetHandle()), FourCC("Go!!"));
    EXPECT_EQ(Choose(menu->GetHandle(), kSelectorAIUpdateMenuItem), FourCC("Upd!"));
    EXPECT_EQ(Choose(menu->GetHandle(), "AI Other"), kNoErr);
    EXPECT_EQ(menu->Disable(true), kNoErr);
    EXPECT_FALSE(m_host.Menus().FindItem(menu->GetHandle())->enabled);
    EXPECT_EQ(Choose(menu->GetHandle()), kNoErr);
    EXPECT_EQ(m_plugin->RemoveMenu(menu), FourCC("ErRM"));
    delete menu;

    const void*& menuSuite = KnownSuitePointer(FindKnownSuite("AI Menu Suite"));
    const void* held = std::exchange(menuSuite, nullptr);
    ASSERT_EQ(AddMenu()->GetHandle(), nullptr);
    menuSuite = held;
    EXPECT_EQ(Choose(nullptr), kNoErr);
    EXPECT_EQ(TakeEvents(), "added, added, added, go, update, added");
}

TEST_F(RegistryTest, TimerTickGoesToGoWithoutItsResultAndARemovedTimerKeepsItsSlot)
{
    auto* timer = new LoggingTimer(m_plugin.get());
    m_plugin->AddTimer(timer);
    EXPECT_EQ(Tick(timer->GetHandle()), kNoErr);
    EXPECT_EQ(TakeEvents(), kSelectorAIGoTimer);
    EXPECT_EQ(m_plugin->RemoveTimer(timer), kNoErr);
    EXPECT_EQ(m_plugin->RemoveTimer(timer), FourCC("ErRT"));
    EXPECT_EQ(m_plugin->GetTimerHandler().HighWaterCount(), 1u);
    Tick(timer->GetHandle());
    EXPECT_EQ(TakeEvents(), "");
    delete timer;
}

}  // namespace
