#pragma once

#include "plugin/suites/SPTypes.h"

namespace qRVADM {

class RVADM_AbstractMenu;

// One item of a host flyout menu, appended by the constructor; the menu owns the entry. Derive
// from it and override `OnSelect` to act on the user's choice.
class RVADM_MenuEntry
{
public:
    // `text` is translated when `localize`; create entries with `new`.
    RVADM_MenuEntry(RVADM_AbstractMenu* menu, const char* text, bool localize = false);
    RVADM_MenuEntry(const RVADM_MenuEntry&) = delete;
    RVADM_MenuEntry& operator=(const RVADM_MenuEntry&) = delete;
    virtual ~RVADM_MenuEntry();

    // The id the host gave the item; 0 when it refused it.
    ASUInt32 GetHostId() const { return m_hostId; }
    void SetText(const char* text, bool localize = false);
    void Check(bool checked);
    void Enable(bool enabled);

    // The user chose the item; the default does nothing.
    virtual void OnSelect();

private:
    friend class RVADM_AbstractMenu;

    RVADM_AbstractMenu* m_menu;
    ASUInt32 m_hostId;
};

} // namespace qRVADM
