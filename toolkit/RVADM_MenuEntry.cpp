#include "toolkit/RVADM_MenuEntry.h"

#include "toolkit/RVADM_AbstractMenu.h"

#include "support/Localization.h"

namespace qRVADM {
namespace {

const char* Translated(const char* text, bool localize)
{
    const char* given = text != nullptr ? text : "";
    return localize ? LocalizeKey(given) : given;
}

} // namespace

RVADM_MenuEntry::RVADM_MenuEntry(RVADM_AbstractMenu* menu, const char* text, bool localize)
    : m_menu(menu)
    , m_hostId(menu != nullptr ? menu->AppendItem(Translated(text, localize)) : 0)
{
    if (m_menu != nullptr)
        m_menu->Adopt(this);
}

RVADM_MenuEntry::~RVADM_MenuEntry()
{
    if (m_menu != nullptr)
        m_menu->Forget(this);
}

void RVADM_MenuEntry::SetText(const char* text, bool localize)
{
    if (m_menu != nullptr)
        m_menu->SetItemText(m_hostId, Translated(text, localize));
}

void RVADM_MenuEntry::Check(bool checked)
{
    if (m_menu != nullptr)
        m_menu->SetItemMark(m_hostId, checked);
}

void RVADM_MenuEntry::Enable(bool enabled)
{
    if (m_menu != nullptr)
        m_menu->SetItemEnabled(m_hostId, enabled);
}

void RVADM_MenuEntry::OnSelect() {}

} // namespace qRVADM
