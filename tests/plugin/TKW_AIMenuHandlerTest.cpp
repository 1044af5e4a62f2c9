#include "InProcessPlugin.h"

#include "plugin/HostSuites.h"
#include "plugin/TKW_AIMenuHandler.h"
#include "plugin/TKW_AISubMenu.h"
#include "plugin/suites/FourCC.h"

namespace {

class RecordingMenu : public TKW_AIMenu
{
public:
    RecordingMenu(TKW_AISubMenu* parent, const char* text) : TKW_AIMenu(parent, text, false) {}

    ASErr OnAdded() override
    {
        ++added;
        return kNoErr;
    }
    ASErr Go(AIMenuMessage*) override
    {
        ++went;
        return FourCC("Go!!");
    }
    ASErr Update(AIMenuMessage*) override
    {
        ++updated;
        return FourCC("Upd!");
    }

    int added = 0;
    int went = 0;
    int updated = 0;
};

class MenuHandlerTest : public InProcessPluginTest
{
protected:
    void SetUp() override
    {
        InProcessPluginTest::SetUp();
        m_subMenu = std::make_unique<TKW_AISubMenu>(m_plugin.get(), nullptr, "Viewer", 0);
    }

    // The submenu is not registered: it goes first, while its plug-in still exists.
    void TearDown() override
    {
        m_subMenu.reset();
        InProcessPluginTest::TearDown();
    }

    RecordingMenu* Add(const char* text)
    {
        auto* menu = new RecordingMenu(m_subMenu.get(), text);
        m_plugin->AddMenu(menu);
        return menu;
    }

    ASErr Send(const TKW_AIMenu& menu, const char* selector)
    {
        AIMenuMessage message{Header(), menu.GetHandle()};
        return Dispatch(kCallerAIMenu, selector, &message);
    }

    const TKW_AIMenuHandler& Menus() const { return m_plugin->GetMenuHandler(); }

    std::unique_ptr<TKW_AISubMenu> m_subMenu;
};

TEST_F(MenuHandlerTest, GoAndUpdateResultsPassThroughAndOtherSelectorsAnswerZero)
{
    RecordingMenu* menu = Add("Item");
    EXPECT_EQ(Send(*menu, kSelectorAIGoMenuItem), FourCC("Go!!"));
    EXPECT_EQ(Send(*menu, kSelectorAIUpdateMenuItem), FourCC("Upd!"));
    EXPECT_EQ(Send(*menu, "AI Other"), kNoErr);
    EXPECT_EQ(menu->went, 1);
    EXPECT_EQ(menu->updated, 1);
}

TEST_F(MenuHandlerTest, AddingTheSameItemTwiceKeepsOneSlotAndRemovingItTwiceAnswersErRM)
{
    RecordingMenu* menu = Add("Item");
    EXPECT_EQ(m_plugin->AddMenu(menu), kNoErr);
    EXPECT_EQ(menu->added, 2);
    EXPECT_EQ(Menus().SlotOf(menu), 0u);
    EXPECT_EQ(Menus().HighWaterCount(), 1u);
    EXPECT_EQ(Menus().SlotOf(Add("Other")), 1u);
    EXPECT_EQ(m_plugin->RemoveMenu(menu), kNoErr);
    EXPECT_EQ(m_plugin->RemoveMenu(menu), FourCC("ErRM"));
    delete menu;
}

TEST_F(MenuHandlerTest, DisableWithUnregisterStopsMessagesAndDisablesTheHostItem)
{
    RecordingMenu* menu = Add("Item");
    EXPECT_EQ(menu->Disable(true), kNoErr);
    EXPECT_FALSE(m_host.Menus().FindItem(menu->GetHandle())->enabled);
    EXPECT_EQ(Send(*menu, kSelectorAIGoMenuItem), kNoErr);
    EXPECT_EQ(menu->went, 0);
    delete menu;
}

TEST_F(MenuHandlerTest, ItemWithoutAHostHandleNeverReceivesAMessage)
{
    const void*& menuSuite = KnownSuitePointer(FindKnownSuite("AI Menu Suite"));
    const void* held = menuSuite;
    menuSuite = nullptr;
    auto* refused = new RecordingMenu(m_subMenu.get(), "Refused");
    menuSuite = held;
    ASSERT_EQ(refused->GetHandle(), nullptr);
    m_plugin->AddMenu(refused);

    AIMenuMessage message{Header(), nullptr};
    EXPECT_EQ(Dispatch(kCallerAIMenu, kSelectorAIGoMenuItem, &message), kNoErr);
    EXPECT_EQ(refused->went, 0);
}

}  // namespace
