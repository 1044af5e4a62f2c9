#pragma once

#include "plugin/suites/SPTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace qRVADM {

class RVADM_MenuEntry;

// A host flyout menu ("AI Panel Flyout Menu Suite"): created with the object, destroyed with it.
// The menu owns its entries: an entry created on it with `new` is deleted with the menu. Without
// the host's suite the menu is empty and every call does nothing.
class RVADM_AbstractMenu
{
public:
    RVADM_AbstractMenu();
    RVADM_AbstractMenu(const RVADM_AbstractMenu&) = delete;
    RVADM_AbstractMenu& operator=(const RVADM_AbstractMenu&) = delete;
    virtual ~RVADM_AbstractMenu();

    AIPanelFlyoutMenuRef GetHostMenu() const { return m_menu; }
    std::size_t NumberOfEntries() const { return m_entries.size(); }
    // Null when no entry has that host id.
    RVADM_MenuEntry* FindEntry(ASUInt32 hostId) const;
    // The host reports that the user chose item `hostId`: that entry's selection handler runs.
    // False when no entry has the id.
    bool OnItemChosen(ASUInt32 hostId);

private:
    friend class RVADM_MenuEntry;
    // Called by entries: append an item (0 when the host refused), change it, forget an entry.
    ASUInt32 AppendItem(const char* text);
    void SetItemText(ASUInt32 hostId, const char* text);
    void SetItemMark(ASUInt32 hostId, bool checked);
    void SetItemEnabled(ASUInt32 hostId, bool enabled);
    void Adopt(RVADM_MenuEntry* entry);
    void Forget(RVADM_MenuEntry* entry);

    AIPanelFlyoutMenuRef m_menu = nullptr;
    std::vector<std::unique_ptr<RVADM_MenuEntry>> m_entries;
};

} // namespace qRVADM
