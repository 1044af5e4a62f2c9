#include "plugin/CShowViewerMenu.h"

#include "plugin/OspryPlugin.h"

CShowViewerMenu::CShowViewerMenu(OspryPlugin* plugin, TKW_AISubMenu* parent)
    : TKW_AIMenu(parent, "Viewer", true), m_plugin(plugin)
{
}

ASErr CShowViewerMenu::Go(AIMenuMessage*)
{
    m_plugin->ShowPanel(!m_plugin->IsPanelShown());
    return kNoErr;
}

// Asks the host each time, so the mark also follows a panel closed by its own close box.
ASErr CShowViewerMenu::Update(AIMenuMessage*)
{
    Check(m_plugin->IsPanelShown());
    return kNoErr;
}
