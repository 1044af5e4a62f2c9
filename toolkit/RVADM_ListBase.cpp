#include "toolkit/RVADM_ListBase.h"

#include "toolkit/RVADM_ListEntryBase.h"

#include "support/Localization.h"

#include <QString>

namespace qRVADM {

RVADM_ListBase::RVADM_ListBase(RVADM_ItemParent* parent, std::uint32_t kind)
    : RVADM_Item(parent, kind)
{
}

RVADM_ListEntryBase* RVADM_ListBase::FindEntry(const char* text) const
{
    return text != nullptr ? GetEntry(FindRow(QString::fromUtf8(text))) : nullptr;
}

bool RVADM_ListBase::SelectEntryByText(const char* text, bool localize)
{
    if (text == nullptr)
        return false;
    const int row = FindRow(QString::fromUtf8(localize ? LocalizeKey(text) : text));
    if (row < 0)
        return false;
    SelectRowQuietly(row);
    return true;
}

int RVADM_ListBase::FindRow(const QString& text) const
{
    const int count = NumberOfEntries();
    for (int row = 0; row < count; ++row) {
        const RVADM_ListEntryBase* entry = GetEntry(row);
        if (entry != nullptr && entry->EntryText().startsWith(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

} // namespace qRVADM
