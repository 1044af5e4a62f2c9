#include "plugin/CShowViewerMenu.h"

#include "plugin/OspryPlugin.h"
#include "viewer/OspryDialog.h"

CShowViewerMenu::CShowViewerMenu(OspryPlugin* plugin, TKW_AISubMenu* parent)
    : TKW_AIMenu(parent, "Viewer", true), m_plugin(plugin)
{
}

ASErr CShowViewerMenu::Go(AIMenuMessage*)
{
    if (OspryDialog* panel = m_plugin->GetPanel())
        panel->ShowPanel(!panel->IsPanelShown());
    return kNoErr;
}

// Asks the host each time, so the mark also follows a panel closed by its own close box.
ASErr CShowViewerMenu::Update(AIMenuMessage*)
{
    const OspryDialog* panel = m_plugin->GetPanel();
    Check(panel != nullptr && panel->IsPanelShown());
    return kNoErr;
}
