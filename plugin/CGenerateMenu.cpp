#include "plugin/CGenerateMenu.h"

#include "plugin/OspryPlugin.h"

CGenerateMenu::CGenerateMenu(OspryPlugin* plugin, TKW_AISubMenu* parent)
    : TKW_AIMenu(parent, "Generate", false), m_plugin(plugin)
{
}

ASErr CGenerateMenu::Go(AIMenuMessage*)
{
    m_plugin->ClickGenerate();
    return kNoErr;
}
