#pragma once

#include "plugin/suites/AIPanelFlyoutMenuSuite.h"
#include "sim/common/HandleTable.h"

#include <memory>
#include <string>
#include <vector>

class QMenu;
class QWidget;

namespace hostsim {

// A panel flyout menu as the host keeps it.
struct FlyoutMenu
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

// The flyout menus of every plug-in's panels. Item ids start at 1 in each menu.
class FlyoutMenuCenter
{
public:
    AIPanelFlyoutMenuRef Create();
    bool Destroy(AIPanelFlyoutMenuRef menu);
    FlyoutMenu* Find(AIPanelFlyoutMenuRef menu) const { return m_menus.Find(menu); }

    // The host's panels write their own texts (flyout menus, titles) in this size, the size the
    // panels' controls use.
    static constexpr int kPanelFontPixels = 10;

    // The menu as the user sees it when the panel's flyout button is pressed: one action per
    // item (its id in the action's data), checkable when marked, disabled when disabled, in the
    // panels' font.
    static std::unique_ptr<QMenu> BuildMenu(const FlyoutMenu& menu, QWidget* parent);

private:
    sim::HandleTable<AIPanelFlyoutMenuRef, FlyoutMenu> m_menus;
};

}  // namespace hostsim
