#pragma once

#include "toolkit/RVADM_Item.h"

class QString;

namespace qRVADM {

class RVADM_ListEntryBase;

// Base of the list items: rows of `RVADM_ListEntryBase` entries found by index or by text.
class RVADM_ListBase : public RVADM_Item
{
public:
    RVADM_ListBase(RVADM_ItemParent* parent, std::uint32_t kind);

    virtual int NumberOfEntries() const = 0;
    // Null outside 0 .. NumberOfEntries() - 1.
    virtual RVADM_ListEntryBase* GetEntry(int index) const = 0;
    // The current row while it is selected; null otherwise.
    virtual RVADM_ListEntryBase* GetActiveEntry() const = 0;

    // The first row whose text begins with `text`, ignoring case; null when none (or `text` null).
    RVADM_ListEntryBase* FindEntry(const char* text) const;
    // Selects and makes current the row `FindEntry` finds for `text` (translated first when
    // `localize`), without notifying the dialog. False when no row matches.
    bool SelectEntryByText(const char* text, bool localize = false);

protected:
    // -1 when no row begins with `text`.
    int FindRow(const QString& text) const;
    // Selects and makes current `row` with the widget's signals blocked.
    virtual void SelectRowQuietly(int row) = 0;
};

} // namespace qRVADM
