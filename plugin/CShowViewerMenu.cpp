#include "plugin/CShowViewerMenu.h"

#include "plugin/OspryPlugin.h"
#include "toolkit/RVADM_NonModalDialog.h"

CShowViewerMenu::CShowViewerMenu(OspryPlugin* plugin, TKW_AISubMenu* parent)
    : TKW_AIMenu(parent, "Viewer", true), m_plugin(plugin)
{
}

ASErr CShowViewerMenu::Go(AIMenuMessage*)
{
    if (qRVADM::RVADM_NonModalDialog* panel = m_plugin->GetPanel())
        panel->ShowPanel(!panel->IsPanelShown());
    return kNoErr;
}

// Asks the host each time, so the mark also follows a panel closed by its own close box.
ASErr CShowViewerMenu::Update(AIMenuMessage*)
{
    const qRVADM::RVADM_NonModalDialog* panel = m_plugin->GetPanel();
    Check(panel != nullptr && panel->IsPanelShown());
    return kNoErr;
}
