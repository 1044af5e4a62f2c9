#pragma once

namespace qRVADM {
class RVADM_MenuEntry;
}

class OspryDialog;

// The panel's flyout-menu entry "Dot Gain Settings...". The flyout menu owns the entry.
class SideBar
{
public:
    // Appends the entry to the panel's flyout menu; the panel outlives the side bar.
    explicit SideBar(OspryDialog& panel);
    virtual ~SideBar() = default;

    SideBar(const SideBar&) = delete;
    SideBar& operator=(const SideBar&) = delete;

    // Null when the panel has no flyout menu.
    qRVADM::RVADM_MenuEntry* GetEntry() const { return m_entry; }

private:
    OspryDialog& m_panel;
    qRVADM::RVADM_MenuEntry* m_entry = nullptr;
};
