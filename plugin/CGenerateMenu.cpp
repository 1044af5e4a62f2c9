#include "plugin/CGenerateMenu.h"

#include "plugin/OspryPlugin.h"
#include "viewer/OspryDialog.h"

CGenerateMenu::CGenerateMenu(OspryPlugin* plugin, TKW_AISubMenu* parent)
    : TKW_AIMenu(parent, "Generate", false), m_plugin(plugin)
{
}

// The click on the panel's Generate/Update button comes with that button.
ASErr CGenerateMenu::Go(AIMenuMessage*)
{
    if (OspryDialog* panel = m_plugin->GetPanel())
        panel->ShowPanel(true);
    return kNoErr;
}
