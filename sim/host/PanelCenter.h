#pragma once

#include "plugin/suites/AIGeometry.h"
#include "plugin/suites/AIPanelSuite.h"
#include "sim/common/HandleTable.h"
#include "sim/host/FlyoutMenuCenter.h"

#include <memory>
#include <string>
#include <vector>

class QMenu;
class QWidget;

namespace hostsim {

class PanelWindow;

// A host panel as the host keeps it.
struct Panel
{
    AIPanelRef handle;  // what the panel's callbacks are given
    SPPluginRef owner;
    std::string name;
    std::u16string title;
    ASInt32 stateCount;
    AISize minimumSize;
    AISize maximumSize{0, 0};  // 0 = no limit
    bool resizable;
    AIPanelFlyoutMenuRef flyoutMenu;
    AIPanelUserData userData;
    ASInt32 verticalResizeIncrement = 1;
    AIPanelSizeChangedProc sizeChanged = nullptr;
    AIPanelVisibilityChangedProc visibilityChanged = nullptr;
    AIPanelClosedProc closed = nullptr;
    AIPanelFlyoutMenuProc flyoutChosen = nullptr;
    // The platform window: the container widget the plug-in's widgets live in. Owned; it calls
    // the panel's callbacks when it is resized, shown, hidden or closed.
    std::unique_ptr<PanelWindow> window;

    ~Panel();
};

// Panels of every plug-in. Needs a QApplication. A panel starts hidden at its minimum size.
class PanelCenter
{
public:
    AIPanelRef Create(SPPluginRef owner, const char* name, std::u16string title, ASInt32 stateCount,
                      AISize minimumSize, bool resizable, AIPanelFlyoutMenuRef flyoutMenu,
                      AIPanelUserData userData);
    bool Destroy(AIPanelRef panel);
    // Destroys every panel without calling back; for a host that is going away.
    void DestroyAll();
    // Destroys the plug-in's panels without calling back; for a plug-in that is unloaded.
    void DestroyOwnedBy(SPPluginRef owner);
    Panel* Find(AIPanelRef panel) const { return m_panels.Find(panel); }
    Panel* FindByName(const std::string& name) const;
    std::vector<AIPanelRef> All() const { return m_panels.Handles(); }

    static QWidget& WindowOf(Panel& panel);
    // How often the panel's window, shown, was brought to the front.
    static int TimesBroughtToFront(const Panel& panel);
    // What the user can do to a panel: show or hide it, resize it (clamped to its limits) and
    // close it with its close box. Each reaches the plug-in through the panel's callbacks.
    static void Show(Panel& panel, bool show);
    static void Resize(Panel& panel, AISize size);
    static void Close(Panel& panel);

    // The menus behind the panels' flyout buttons.
    FlyoutMenuCenter& FlyoutMenus() { return m_flyoutMenus; }
    // Destroys a menu and detaches it from every panel that shows it.
    bool DestroyFlyoutMenu(AIPanelFlyoutMenuRef menu);
    // The user chooses item `itemId` of the panel's flyout menu: the panel's flyout callback gets
    // it. False when the panel has no menu or callback, or the item is unknown or disabled.
    bool ChooseFlyoutItem(Panel& panel, ASUInt32 itemId);
    // The user presses the panel's flyout button: the menu pops up at the panel's top-right
    // corner, and an action triggered in it is chosen as above. Null without a menu.
    std::unique_ptr<QMenu> OpenFlyoutMenu(Panel& panel);

private:
    sim::HandleTable<AIPanelRef, Panel> m_panels;
    FlyoutMenuCenter m_flyoutMenus;
};

}  // namespace hostsim
