#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

// The host's group for palette-style menu items (its Window menu).
constexpr const char* kToolPalettesMenuGroup = "Tool Palettes";

// Menu item options.
constexpr ASInt32 kMenuItemWantsUpdateOption = 1;

struct AIPlatformAddMenuItemDataUS
{
    const char* groupName;          // the group the item is added to
    AIUnicodeStringHandle itemText; // the visible text
};

// "AI Menu Suite" 11. Host UI thread.
struct AIMenuSuite
{
    static constexpr const char* kName = "AI Menu Suite";
    static constexpr ASInt32 kVersion = 11;

    AIErr (*AddMenuItem)(SPPluginRef self, const char* key, const AIPlatformAddMenuItemDataUS* data,
                         ASInt32 options, AIMenuItemHandle* item);
    SuiteReserved reserved1To10[10];
    AIErr (*EnableItem)(AIMenuItemHandle item);
    AIErr (*DisableItem)(AIMenuItemHandle item);
    SuiteReserved reserved13;
    AIErr (*SetItemText)(AIMenuItemHandle item, AIUnicodeStringHandle text);
    SuiteReserved reserved15;
    AIErr (*CheckItem)(AIMenuItemHandle item, AIBoolean checked);
    SuiteReserved reserved17To18[2];
    AIErr (*AddMenuGroupAsSubMenu)(const char* groupName, ASInt32 options, AIMenuItemHandle item,
                                   AIMenuGroup* group);
    AIErr (*GetMenuGroupName)(AIMenuGroup group, const char** name);
    SuiteReserved reserved21To23[3];
    AIErr (*CountMenuGroups)(ASInt32* count);
    AIErr (*GetNthMenuGroup)(ASInt32 n, AIMenuGroup* group);
    SuiteReserved reserved26To31[6];
    AIErr (*RemoveMenuItem)(AIMenuItemHandle item);
};
HL_SUITE_ENTRY(AIMenuSuite, AddMenuItem, 0);
HL_SUITE_ENTRY(AIMenuSuite, EnableItem, 11);
HL_SUITE_ENTRY(AIMenuSuite, DisableItem, 12);
HL_SUITE_ENTRY(AIMenuSuite, SetItemText, 14);
HL_SUITE_ENTRY(AIMenuSuite, CheckItem, 16);
HL_SUITE_ENTRY(AIMenuSuite, AddMenuGroupAsSubMenu, 19);
HL_SUITE_ENTRY(AIMenuSuite, GetMenuGroupName, 20);
HL_SUITE_ENTRY(AIMenuSuite, CountMenuGroups, 24);
HL_SUITE_ENTRY(AIMenuSuite, GetNthMenuGroup, 25);
HL_SUITE_ENTRY(AIMenuSuite, RemoveMenuItem, 32);
