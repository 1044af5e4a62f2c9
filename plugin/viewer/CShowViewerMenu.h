#pragma once

#include "plugin/TKW_AIMenu.h"

#include <functional>

// The "Viewer" item of the "Viewer" submenu: shows or hides the viewer panel, and carries a
// check mark while the panel is shown.
class CShowViewerMenu final : public TKW_AIMenu
{
public:
    // `isShown` asks whether the panel is shown; `show` shows (true) or hides it.
    CShowViewerMenu(TKW_AISubMenu* parent, std::function<bool()> isShown, std::function<void(bool)> show);

    ASErr Go(AIMenuMessage* message) override;
    ASErr Update(AIMenuMessage* message) override;

private:
    std::function<bool()> m_isShown;
    std::function<void(bool)> m_show;
};
