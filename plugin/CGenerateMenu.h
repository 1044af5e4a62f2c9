#pragma once

#include "plugin/TKW_AIMenu.h"

class OspryPlugin;

// The "Generate" item of the "Viewer" submenu: brings up the panel and acts as a click on its
// Generate/Update button. Disabled at creation; the generation code enables it through
// OspryPlugin::SetGenerateEnabled.
class CGenerateMenu final : public TKW_AIMenu
{
public:
    CGenerateMenu(OspryPlugin* plugin, TKW_AISubMenu* parent);

    ASErr Go(AIMenuMessage* message) override;

private:
    OspryPlugin* m_plugin;
};
