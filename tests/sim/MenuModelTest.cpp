#include "sim/host/MenuModel.h"

#include "plugin/suites/AIMenuSuite.h"

#include <gtest/gtest.h>

TEST(MenuModel, RemovingAnItemRemovesTheGroupsItOpens)
{
    hostsim::MenuModel menus;
    const int hostGroups = menus.GroupCount();
    AIMenuItemHandle top = menus.AddItem(nullptr, "Hueline_HL", kToolPalettesMenuGroup, "Hueline", 0);
    menus.AddSubMenuGroup("HLWindowsMenuGroup", 1, top);
    AIMenuItemHandle child = menus.AddItem(nullptr, "Viewer_HL", "HLWindowsMenuGroup", "Viewer", 0);

    EXPECT_TRUE(menus.RemoveItem(top));
    EXPECT_EQ(menus.GroupCount(), hostGroups);
    EXPECT_EQ(menus.FindItem(child), nullptr);
    EXPECT_FALSE(menus.RemoveItem(top));
    EXPECT_EQ(menus.GroupAt(hostGroups), nullptr);
}
