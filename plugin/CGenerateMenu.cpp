#include "plugin/CGenerateMenu.h"

#include "plugin/OspryPlugin.h"
#include "toolkit/RVADM_Types.h"
#include "viewer/OspryDialog.h"
#include "viewer/UpdateGenButton.h"
#include "viewer/UpdateGenSection.h"

CGenerateMenu::CGenerateMenu(OspryPlugin* plugin, TKW_AISubMenu* parent)
    : TKW_AIMenu(parent, "Generate", false), m_plugin(plugin)
{
}

ASErr CGenerateMenu::Go(AIMenuMessage*)
{
    OspryDialog* panel = m_plugin->GetPanel();
    if (panel == nullptr)
        return kNoErr;
    panel->ShowPanel(true);
    if (const UpdateGenSection* section = panel->GetUpdateGenSection(); section != nullptr && section->GetButton())
        section->GetButton()->Notify(qRVADM::kNotifyUserChanged);
    return kNoErr;
}
