#pragma once

#include "plugin/suites/AIGeometry.h"
#include "plugin/suites/SPTypes.h"
#include "plugin/suites/SuiteEntry.h"

using AIPanelUserData = void*;  // given at creation, owned by the creator

// Panel callbacks, called by the host on its UI thread with the panel they were installed on.
using AIPanelSizeChangedProc = void (*)(AIPanelRef panel);
using AIPanelVisibilityChangedProc = void (*)(AIPanelRef panel, AIBoolean visible);
using AIPanelClosedProc = void (*)(AIPanelRef panel);  // the user closed the panel
using AIPanelFlyoutMenuProc = void (*)(AIPanelRef panel, ASUInt32 itemId);  // an item was chosen

// "AI Panel Suite" 3: host panels. Sizes and positions are host pixels. Host UI thread.
struct AIPanelSuite
{
    static constexpr const char* kName = "AI Panel Suite";
    static constexpr ASInt32 kVersion = 3;

    // `stateCount` is 2 for a two-state panel, else 1; `flyoutMenu` may be null.
    AIErr (*Create)(SPPluginRef self, const char* name, AIUnicodeStringHandle title, ASInt32 stateCount,
                    const AISize* minimumSize, AIBoolean resizable, AIPanelFlyoutMenuRef flyoutMenu,
                    AIPanelUserData userData, AIPanelRef* panel);
    AIErr (*Destroy)(AIPanelRef panel);
    SuiteReserved reserved2;
    AIErr (*Show)(AIPanelRef panel, AIBoolean show);
    AIErr (*IsShown)(AIPanelRef panel, AIBoolean* shown);
    AIErr (*GetPlatformWindow)(AIPanelRef panel, AIWindowRef* window);
    SuiteReserved reserved6;
    AIErr (*SetTitle)(AIPanelRef panel, AIUnicodeStringHandle title);
    // Replaces the content of the caller's string object.
    AIErr (*GetTitle)(AIPanelRef panel, AIUnicodeStringHandle title);
    SuiteReserved reserved9;
    AIErr (*SetSize)(AIPanelRef panel, const AISize* size);
    AIErr (*GetSize)(AIPanelRef panel, AISize* size);
    AIErr (*SetMinimumSize)(AIPanelRef panel, const AISize* size);
    AIErr (*SetMaximumSize)(AIPanelRef panel, const AISize* size);
    SuiteReserved reserved14;
    // The step in which the user's resizing changes the panel's height.
    AIErr (*SetVerticalResizeIncrement)(AIPanelRef panel, ASInt32 pixels);
    SuiteReserved reserved16To17[2];
    AIErr (*SetPosition)(AIPanelRef panel, const AIPoint* topLeft);  // screen
    SuiteReserved reserved19To24[6];
    // The panel's native window rectangle on the screen, its title bar included.
    AIErr (*GetPlatformWindowBounds)(AIPanelRef panel, AIRect* bounds);
    SuiteReserved reserved26;
    AIErr (*GetUserData)(AIPanelRef panel, AIPanelUserData* userData);
    SuiteReserved reserved28To30[3];
    // The menu stays owned by the caller and must outlive its attachment.
    AIErr (*SetFlyoutMenu)(AIPanelRef panel, AIPanelFlyoutMenuRef menu);
    AIErr (*SetFlyoutMenuProc)(AIPanelRef panel, AIPanelFlyoutMenuProc proc);
    AIErr (*GetPosition)(AIPanelRef panel, AIPoint* topLeft);  // screen
    AIErr (*SetSizeChangedProc)(AIPanelRef panel, AIPanelSizeChangedProc proc);
    AIErr (*SetVisibilityChangedProc)(AIPanelRef panel, AIPanelVisibilityChangedProc proc);
    AIErr (*SetClosedProc)(AIPanelRef panel, AIPanelClosedProc proc);
};
HL_SUITE_ENTRY(AIPanelSuite, Create, 0);
HL_SUITE_ENTRY(AIPanelSuite, Destroy, 1);
HL_SUITE_ENTRY(AIPanelSuite, Show, 3);
HL_SUITE_ENTRY(AIPanelSuite, IsShown, 4);
HL_SUITE_ENTRY(AIPanelSuite, GetPlatformWindow, 5);
HL_SUITE_ENTRY(AIPanelSuite, SetTitle, 7);
HL_SUITE_ENTRY(AIPanelSuite, GetTitle, 8);
HL_SUITE_ENTRY(AIPanelSuite, SetSize, 10);
HL_SUITE_ENTRY(AIPanelSuite, GetSize, 11);
HL_SUITE_ENTRY(AIPanelSuite, SetMinimumSize, 12);
HL_SUITE_ENTRY(AIPanelSuite, SetMaximumSize, 13);
HL_SUITE_ENTRY(AIPanelSuite, SetVerticalResizeIncrement, 15);
HL_SUITE_ENTRY(AIPanelSuite, SetPosition, 18);
HL_SUITE_ENTRY(AIPanelSuite, GetPlatformWindowBounds, 25);
HL_SUITE_ENTRY(AIPanelSuite, GetUserData, 27);
HL_SUITE_ENTRY(AIPanelSuite, SetFlyoutMenu, 31);
HL_SUITE_ENTRY(AIPanelSuite, SetFlyoutMenuProc, 32);
HL_SUITE_ENTRY(AIPanelSuite, GetPosition, 33);
HL_SUITE_ENTRY(AIPanelSuite, SetSizeChangedProc, 34);
HL_SUITE_ENTRY(AIPanelSuite, SetVisibilityChangedProc, 35);
HL_SUITE_ENTRY(AIPanelSuite, SetClosedProc, 36);
