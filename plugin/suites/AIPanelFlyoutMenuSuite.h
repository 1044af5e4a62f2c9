#pragma once

#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

enum AIPanelFlyoutMenuItemMark : ASInt32
{
    kAIPanelFlyoutMenuItemMarkNone = 0,
    kAIPanelFlyoutMenuItemMarkCheck = 1,
};

// "AI Panel Flyout Menu Suite" 2: the menus behind panel flyout buttons. Items are addressed by
// the id the host gives when they are appended; a choice is reported through the panel's
// flyout menu callback. Host UI thread.
struct AIPanelFlyoutMenuSuite
{
    static constexpr const char* kName = "AI Panel Flyout Menu Suite";
    static constexpr ASInt32 kVersion = 2;

    AIErr (*Create)(AIPanelFlyoutMenuRef* menu);
    AIErr (*Destroy)(AIPanelFlyoutMenuRef menu);
    SuiteReserved reserved2;
    AIErr (*AppendItem)(AIPanelFlyoutMenuRef menu, AIUnicodeStringHandle text, ASUInt32* itemId);
    AIErr (*SetItemText)(AIPanelFlyoutMenuRef menu, ASUInt32 itemId, AIUnicodeStringHandle text);
    SuiteReserved reserved5To6[2];
    AIErr (*SetItemMark)(AIPanelFlyoutMenuRef menu, ASUInt32 itemId, AIPanelFlyoutMenuItemMark mark);
    SuiteReserved reserved8To11[4];
    AIErr (*SetItemEnabled)(AIPanelFlyoutMenuRef menu, ASUInt32 itemId, AIBoolean enabled);
};
HL_SUITE_ENTRY(AIPanelFlyoutMenuSuite, Create, 0);
HL_SUITE_ENTRY(AIPanelFlyoutMenuSuite, Destroy, 1);
HL_SUITE_ENTRY(AIPanelFlyoutMenuSuite, AppendItem, 3);
HL_SUITE_ENTRY(AIPanelFlyoutMenuSuite, SetItemText, 4);
HL_SUITE_ENTRY(AIPanelFlyoutMenuSuite, SetItemMark, 7);
HL_SUITE_ENTRY(AIPanelFlyoutMenuSuite, SetItemEnabled, 12);
