#pragma once

#include "toolkit/RVADM_ListEntryBase.h"
#include "toolkit/RVADM_Types.h"

#include <QListWidgetItem>

namespace qRVADM {

class RVADM_ListBox;

// One row of a list box, appended by the constructor. The list owns it: removing all entries or
// deleting the list deletes it.
class RVADM_ListEntry : public RVADM_ListEntryBase, public QListWidgetItem
{
public:
    // The row type that tells entries from other rows.
    static constexpr int kRowType = QListWidgetItem::UserType + 1;

    RVADM_ListEntry(RVADM_ListBox* list, const char* text, bool localize = false);

    void Select(bool select) override;
    bool IsSelected() const override;
    int GetIndex() const override;
    QString EntryText() const override;
    bool IsChecked() const;
    // Repaints the row.
    void Invalidate();
    // The row's rectangle in the list's viewport, and on the screen.
    void GetLocalRect(RVADM_Rect& rect) const;
    void GetBoundsRect(RVADM_Rect& rect) const;

protected:
    void SetEntryText(const QString& text) override;
    void SetEntryTip(const QString& tip) override;

private:
    RVADM_ListBox* List() const;
};

} // namespace qRVADM
