#include "toolkit/RVADM_Menu.h"

#include "toolkit/RVADM_Host.h"
#include "toolkit/RVADM_MenuEntry.h"
#include "toolkit/RVADM_NonModalDialog.h"

#include "plugin/suites/AIPanelSuite.h"

namespace qRVADM {

RVADM_Menu::RVADM_Menu(RVADM_NonModalDialog* dialog)
    : m_dialog(dialog)
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    if (panels == nullptr || m_dialog == nullptr || m_dialog->GetPanel() == nullptr || GetHostMenu() == nullptr)
        return;
    panels->SetFlyoutMenu(m_dialog->GetPanel(), GetHostMenu());
    panels->SetFlyoutMenuProc(m_dialog->GetPanel(), ItemChosen);
}

RVADM_Menu::~RVADM_Menu()
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    if (panels == nullptr || m_dialog == nullptr || m_dialog->GetPanel() == nullptr || GetHostMenu() == nullptr)
        return;
    panels->SetFlyoutMenuProc(m_dialog->GetPanel(), nullptr);
    panels->SetFlyoutMenu(m_dialog->GetPanel(), nullptr);
}

// The panel's flyout callback: the dialog behind the panel's user data gets the chosen entry.
void RVADM_Menu::ItemChosen(AIPanelRef panel, ASUInt32 itemId)
{
    const AIPanelSuite* panels = RVADM_Host::Get().panel;
    AIPanelUserData data = nullptr;
    if (panels == nullptr || panels->GetUserData(panel, &data) != kNoErr || data == nullptr)
        return;
    auto* dialog = dynamic_cast<RVADM_NonModalDialog*>(static_cast<RVADM_Dialog*>(data));
    RVADM_Menu* menu = dialog != nullptr ? dialog->GetFlyoutMenu() : nullptr;
    if (RVADM_MenuEntry* entry = menu != nullptr ? menu->FindEntry(itemId) : nullptr)
        dialog->OnFlyoutMenu(*entry);
}

} // namespace qRVADM
