#include "InProcessPlugin.h"

#include "plugin/MenuGroups.h"
#include "plugin/TKW_AISubMenu.h"
#include "plugin/suites/AIMenuSuite.h"

#include <string>

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

TEST_F(CreateMenuGroupTest, GroupWithoutParentOpensFromAToolPalettesItemOnce)
{
    AIMenuItemHandle item = nullptr;
    EXPECT_EQ(CreateMenuGroup(m_plugin.get(), "Hueline", nullptr, 0, &item), kNoErr);
    const hostsim::MenuItem* found = m_host.Menus().FindItem(item);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->group, kToolPalettesMenuGroup);
    EXPECT_EQ(found->key, "Hueline_HL");
    EXPECT_EQ(found->options, 0);
    ASSERT_NE(m_host.Menus().SubMenuOf(item), nullptr);
    EXPECT_EQ(m_host.Menus().SubMenuOf(item)->name, "HLWindowsMenuGroup");
    const int groups = m_host.Menus().GroupCount();
    item = nullptr;
    EXPECT_EQ(CreateMenuGroup(m_plugin.get(), "Hueline", nullptr, 0, &item), kNoErr);
    EXPECT_EQ(item, nullptr);
    EXPECT_EQ(m_host.Menus().GroupCount(), groups);
    EXPECT_EQ(m_host.Menus().ItemsOf(kToolPalettesMenuGroup).size(), 1u);
}

TEST_F(CreateMenuGroupTest, SubMenuOfAnExistingGroupKeepsANullHandleAndItsGroup)
{
    ASSERT_EQ(CreateMenuGroup(m_plugin.get(), "Hueline", nullptr, 0), kNoErr);
    TKW_AISubMenu viewer(m_plugin.get(), "Hueline", "Viewer", 0);
    ASSERT_NE(viewer.GetHandle(), nullptr);
    EXPECT_EQ(m_host.Menus().FindItem(viewer.GetHandle())->group, "HLWindowsMenuGroup");

    TKW_AISubMenu again(m_plugin.get(), "Hueline", "Viewer", 0);
    EXPECT_EQ(again.GetHandle(), nullptr);
    EXPECT_EQ(again.GetGroupName(), "HLViewerMenuGroup");
    EXPECT_EQ(again.GetDisplayName(), "Viewer");
}

TEST_F(CreateMenuGroupTest, ItemTextOperationsReachTheHostItem)
{
    TKW_AISubMenu viewer(m_plugin.get(), nullptr, "Viewer", 0);
    TKW_AIMenu separator(&viewer, "-", false);
    TKW_AIMenu item(&viewer, "Generate", true);
    EXPECT_EQ(m_host.Menus().FindItem(separator.GetHandle())->key, "-_HL");

    hostsim::MenuItem* hostItem = m_host.Menus().FindItem(item.GetHandle());
    ASSERT_NE(hostItem, nullptr);
    EXPECT_EQ(hostItem->group, "HLViewerMenuGroup");
    EXPECT_EQ(item.SetText("Update"), kNoErr);
    EXPECT_EQ(hostItem->text, "Update");
    EXPECT_EQ(item.Check(true), kNoErr);
    EXPECT_TRUE(hostItem->checked);
    EXPECT_EQ(item.Disable(false), kNoErr);
    EXPECT_FALSE(hostItem->enabled);
    EXPECT_EQ(item.Enable(), kNoErr);
    EXPECT_TRUE(hostItem->enabled);
    EXPECT_EQ(item.RemoveFromHost(), kNoErr);
    EXPECT_EQ(m_host.Menus().FindItem(item.GetHandle()), nullptr);
}

}  // namespace
