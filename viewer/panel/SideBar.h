#pragma once

namespace qRVADM {
class RVADM_MenuEntry;
}

class OspryDialog;

// The panel's flyout-menu entries "Dot Gain Settings..." and "Save Proof As...", the latter
// disabled until a proof is shown. The flyout menu owns the entries.
class SideBar
{
public:
    // Appends the entries to the panel's flyout menu; the panel outlives the side bar.
    explicit SideBar(OspryDialog& panel);
    virtual ~SideBar() = default;

    SideBar(const SideBar&) = delete;
    SideBar& operator=(const SideBar&) = delete;

    // Null when the panel has no flyout menu.
    qRVADM::RVADM_MenuEntry* GetDotGainEntry() const { return m_dotGainEntry; }
    qRVADM::RVADM_MenuEntry* GetSaveProofEntry() const { return m_saveProofEntry; }
    void EnableSaveProof(bool enable);

private:
    OspryDialog& m_panel;
    qRVADM::RVADM_MenuEntry* m_dotGainEntry = nullptr;
    qRVADM::RVADM_MenuEntry* m_saveProofEntry = nullptr;
};
