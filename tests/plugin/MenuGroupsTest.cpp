#include "InProcessPlugin.h"

#include "plugin/MenuGroups.h"
#include "plugin/TKW_AISubMenu.h"
#include "plugin/suites/AIMenuSuite.h"

namespace {

TEST(MenuGroupNameFor, MapsTheSystemsGroupsAndLeavesOtherTextsAsTheyAre)
{
    const struct
    {
        const char* text;
        const char* group;
    } rows[] = {
        {"Hueline", "HLWindowsMenuGroup"}, {"Hueline ", "HLPreferencesMenuGroup"},
        {"Hueline  ", "HLHelpMenuGroup"},  {"Hueline   ", "Hueline   "},
        {"Viewer", "HLViewerMenuGroup"},   {"viewer", "viewer"},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(MenuGroupNameFor(row.text), row.group) << '"' << row.text << '"';
}

using CreateMenuGroupTest = InProcessPluginTest;

// The integration tests see where the group's item goes; a second request adds nothing.
TEST_F(CreateMenuGroupTest, GroupIsCreatedOnce)
{
    AIMenuItemHandle item = nullptr;
    EXPECT_EQ(CreateMenuGroup(m_plugin.get(), "Hueline", nullptr, 0, &item), kNoErr);
    ASSERT_NE(m_host.Menus().SubMenuOf(item), nullptr);
    const int groups = m_host.Menus().GroupCount();
    item = nullptr;
    EXPECT_EQ(CreateMenuGroup(m_plugin.get(), "Hueline", nullptr, 0, &item), kNoErr);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(m_host.Menus().GroupCount(), groups);
    EXPECT_EQ(m_host.Menus().ItemsOf(kToolPalettesMenuGroup).size(), 1u);
}

TEST_F(CreateMenuGroupTest, SubMenuOfAnExistingGroupKeepsANullHandleAndItsItemsReachTheHost)
{
    ASSERT_EQ(CreateMenuGroup(m_plugin.get(), "Hueline", nullptr, 0), kNoErr);
    TKW_AISubMenu viewer(m_plugin.get(), "Hueline", "Viewer", 0);
    ASSERT_NE(viewer.GetHandle(), nullptr);
    EXPECT_EQ(m_host.Menus().FindItem(viewer.GetHandle())->group, "HLWindowsMenuGroup");
    TKW_AISubMenu again(m_plugin.get(), "Hueline", "Viewer", 0);
    EXPECT_EQ(again.GetHandle(), nullptr);
    EXPECT_EQ(again.GetGroupName(), "HLViewerMenuGroup");

    TKW_AIMenu item(&again, "Generate", true);
    hostsim::MenuItem* hostItem = m_host.Menus().FindItem(item.GetHandle());
    ASSERT_NE(hostItem, nullptr);
    EXPECT_EQ(hostItem->group, "HLViewerMenuGroup");
    EXPECT_EQ(item.SetText("Update"), kNoErr);
    EXPECT_EQ(hostItem->text, "Update");
    hostItem->enabled = false;
    EXPECT_EQ(item.Enable(), kNoErr);
    EXPECT_TRUE(hostItem->enabled);
    EXPECT_EQ(item.RemoveFromHost(), kNoErr);
    EXPECT_EQ(m_host.Menus().FindItem(item.GetHandle()), nullptr);
}

}  // namespace
