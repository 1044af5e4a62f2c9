#include "toolkit/RVADM_AbstractMenu.h"

#include "toolkit/RVADM_Host.h"
#include "toolkit/RVADM_MenuEntry.h"
#include "toolkit/internal/RVADM_HostString.h"

#include "plugin/suites/AIPanelFlyoutMenuSuite.h"

#include <algorithm>

namespace qRVADM {
namespace {

const AIPanelFlyoutMenuSuite* Suite()
{
    return RVADM_Host::Get().flyoutMenu;
}

} // namespace

RVADM_AbstractMenu::RVADM_AbstractMenu()
{
    if (Suite() == nullptr || Suite()->Create(&m_menu) != kNoErr)
        m_menu = nullptr;
}

RVADM_AbstractMenu::~RVADM_AbstractMenu()
{
    // Entries forget themselves while they go; the list must no longer hold them then.
    auto entries = std::move(m_entries);
    m_entries.clear();
    for (auto& entry : entries)
        entry->m_menu = nullptr;
    entries.clear();
    if (m_menu != nullptr && Suite() != nullptr)
        Suite()->Destroy(m_menu);
}

RVADM_MenuEntry* RVADM_AbstractMenu::FindEntry(ASUInt32 hostId) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [hostId](const std::unique_ptr<RVADM_MenuEntry>& e) { return e->GetHostId() == hostId; });
    return hostId != 0 && found != m_entries.end() ? found->get() : nullptr;
}

bool RVADM_AbstractMenu::OnItemChosen(ASUInt32 hostId)
{
    RVADM_MenuEntry* entry = FindEntry(hostId);
    if (entry == nullptr)
        return false;
    entry->OnSelect();
    return true;
}

ASUInt32 RVADM_AbstractMenu::AppendItem(const char* text)
{
    const internal::RVADM_HostString hostText(RVADM_Host::Get().unicodeString, text);
    ASUInt32 id = 0;
    if (m_menu == nullptr || hostText.Get() == nullptr || Suite()->AppendItem(m_menu, hostText.Get(), &id) != kNoErr)
        return 0;
    return id;
}

void RVADM_AbstractMenu::SetItemText(ASUInt32 hostId, const char* text)
{
    const internal::RVADM_HostString hostText(RVADM_Host::Get().unicodeString, text);
    if (m_menu != nullptr && hostId != 0 && hostText.Get() != nullptr)
        Suite()->SetItemText(m_menu, hostId, hostText.Get());
}

void RVADM_AbstractMenu::SetItemMark(ASUInt32 hostId, bool checked)
{
    if (m_menu != nullptr && hostId != 0)
        Suite()->SetItemMark(m_menu, hostId, checked ? kAIPanelFlyoutMenuItemMarkCheck : kAIPanelFlyoutMenuItemMarkNone);
}

void RVADM_AbstractMenu::SetItemEnabled(ASUInt32 hostId, bool enabled)
{
    if (m_menu != nullptr && hostId != 0)
        Suite()->SetItemEnabled(m_menu, hostId, enabled ? 1 : 0);
}

void RVADM_AbstractMenu::Adopt(RVADM_MenuEntry* entry)
{
    m_entries.emplace_back(entry);
}

void RVADM_AbstractMenu::Forget(RVADM_MenuEntry* entry)
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [entry](const std::unique_ptr<RVADM_MenuEntry>& e) { return e.get() == entry; });
    if (found == m_entries.end())
        return;
    // The entry is being deleted by its own destructor.
    [[maybe_unused]] RVADM_MenuEntry* going = found->release();
    m_entries.erase(found);
}

} // namespace qRVADM
