#include "viewer/panel/SideBar.h"

#include "toolkit/RVADM_Menu.h"
#include "toolkit/RVADM_MenuEntry.h"
#include "viewer/panel/OspryDialog.h"

namespace {

constexpr const char* kDotGainSettingsEntry = "Dot Gain Settings...";

}  // namespace

SideBar::SideBar(OspryDialog& panel) : m_panel(panel)
{
    if (qRVADM::RVADM_Menu* menu = m_panel.GetFlyoutMenu())
        m_entry = new qRVADM::RVADM_MenuEntry(menu, kDotGainSettingsEntry, true);
}
