#include "viewer/panel/SideBar.h"

#include "toolkit/RVADM_Menu.h"
#include "toolkit/RVADM_MenuEntry.h"
#include "viewer/panel/OspryDialog.h"

namespace {

constexpr const char* kDotGainSettingsEntry = "Dot Gain Settings...";
constexpr const char* kSaveProofEntry = "Save Proof As...";

}  // namespace

SideBar::SideBar(OspryDialog& panel) : m_panel(panel)
{
    qRVADM::RVADM_Menu* menu = m_panel.GetFlyoutMenu();
    if (menu == nullptr)
        return;
    m_dotGainEntry = new qRVADM::RVADM_MenuEntry(menu, kDotGainSettingsEntry, true);
    m_saveProofEntry = new qRVADM::RVADM_MenuEntry(menu, kSaveProofEntry, true);
    m_saveProofEntry->Enable(false);
}

void SideBar::EnableSaveProof(bool enable)
{
    if (m_saveProofEntry != nullptr)
        m_saveProofEntry->Enable(enable);
}
