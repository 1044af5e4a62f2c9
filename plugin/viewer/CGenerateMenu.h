#pragma once

#include "plugin/TKW_AIMenu.h"

#include <functional>

// The "Generate" item of the "Viewer" submenu: brings up the panel and acts as a click on its
// Generate/Update button (`clickGenerate`). Disabled at creation; the generation code enables it
// through the plug-in's SetGenerateEnabled.
class CGenerateMenu final : public TKW_AIMenu
{
public:
    CGenerateMenu(TKW_AISubMenu* parent, std::function<void()> clickGenerate);

    ASErr Go(AIMenuMessage* message) override;

private:
    std::function<void()> m_clickGenerate;
};
