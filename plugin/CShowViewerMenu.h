#pragma once

#include "plugin/TKW_AIMenu.h"

class OspryPlugin;

// The "Viewer" item of the "Viewer" submenu: shows or hides the viewer panel, and carries a
// check mark while the panel is shown.
class CShowViewerMenu final : public TKW_AIMenu
{
public:
    CShowViewerMenu(OspryPlugin* plugin, TKW_AISubMenu* parent);

    ASErr Go(AIMenuMessage* message) override;
    ASErr Update(AIMenuMessage* message) override;

private:
    OspryPlugin* m_plugin;
};
