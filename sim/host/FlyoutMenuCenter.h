#pragma once

#include "plugin/suites/AIPanelFlyoutMenuSuite.h"

#include <memory>
#include <string>
#include <vector>

class QMenu;
class QWidget;

// A panel flyout menu as the host keeps it; its address is the handle the plug-in sees.
struct AIPanelFlyoutMenuOpaque
{
    struct Item
    {
        ASUInt32 id;
        std::u16string text;
        AIPanelFlyoutMenuItemMark mark = kAIPanelFlyoutMenuItemMarkNone;
        bool enabled = true;
    };

    std::vector<Item> items;
    ASUInt32 nextId = 1;

    // Null for an id the menu never gave.
    Item* Find(ASUInt32 id);
};

namespace hostsim {

// The flyout menus of every plug-in's panels. Item ids start at 1 in each menu.
class FlyoutMenuCenter
{
public:
    AIPanelFlyoutMenuRef Create();
    bool Destroy(AIPanelFlyoutMenuRef menu);
    AIPanelFlyoutMenuOpaque* Find(AIPanelFlyoutMenuRef menu) const;

    // The host's panels write their own texts (flyout menus, titles) in this size, the size the
    // panels' controls use.
    static constexpr int kPanelFontPixels = 10;

    // The menu as the user sees it when the panel's flyout button is pressed: one action per
    // item (its id in the action's data), checkable when marked, disabled when disabled, in the
    // panels' font.
    static std::unique_ptr<QMenu> BuildMenu(const AIPanelFlyoutMenuOpaque& menu, QWidget* parent);

private:
    std::vector<std::unique_ptr<AIPanelFlyoutMenuOpaque>> m_menus;
};

}  // namespace hostsim
