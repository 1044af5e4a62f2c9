#include "toolkit/RVADM_ListEntry.h"

#include "toolkit/RVADM_ListBox.h"

namespace qRVADM {

RVADM_ListEntry::RVADM_ListEntry(RVADM_ListBox* list, const char* text, bool localize)
    : QListWidgetItem(list, kRowType)
{
    SetText(text, localize);
}

void RVADM_ListEntry::Select(bool select)
{
    if (RVADM_ListBox* list = List())
        list->SelectEntry(this, select);
}

bool RVADM_ListEntry::IsSelected() const
{
    if (const RVADM_ListBox* list = List())
        list->CommitPendingSelection();
    return isSelected();
}

int RVADM_ListEntry::GetIndex() const
{
    const QListWidget* list = listWidget();
    return list != nullptr ? list->row(this) : -1;
}

QString RVADM_ListEntry::EntryText() const
{
    return text();
}

bool RVADM_ListEntry::IsChecked() const
{
    return checkState() == Qt::Checked;
}

void RVADM_ListEntry::Invalidate()
{
    if (QListWidget* list = listWidget())
        list->viewport()->update(list->visualItemRect(this));
}

void RVADM_ListEntry::GetLocalRect(RVADM_Rect& rect) const
{
    const QListWidget* list = listWidget();
    rect = list != nullptr ? RVADM_Rect::FromQRect(list->visualItemRect(this)) : RVADM_Rect{};
}

void RVADM_ListEntry::GetBoundsRect(RVADM_Rect& rect) const
{
    const QListWidget* list = listWidget();
    if (list == nullptr) {
        rect = RVADM_Rect{};
        return;
    }
    const QRect local = list->visualItemRect(this);
    rect = RVADM_Rect::FromQRect(QRect(list->viewport()->mapToGlobal(local.topLeft()), local.size()));
}

void RVADM_ListEntry::SetEntryText(const QString& text)
{
    setText(text);
}

void RVADM_ListEntry::SetEntryTip(const QString& tip)
{
    setToolTip(tip);
}

RVADM_ListBox* RVADM_ListEntry::List() const
{
    return dynamic_cast<RVADM_ListBox*>(listWidget());
}

} // namespace qRVADM
