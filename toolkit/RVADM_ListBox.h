#pragma once

#include "toolkit/RVADM_ListBase.h"
#include "toolkit/RVADM_ListEntry.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"
#include "toolkit/internal/RVADM_DoubleClickSource.h"

#include <QListWidget>

namespace qRVADM {

namespace internal {
class RVADM_DelayedSelectionModel;
} // namespace internal

// A list of `RVADM_ListEntry` rows whose selection is held back for one double-click interval
// after each press, so that a double click selects once, reports one change ("OnListBoxChanged",
// then "OnListBoxChangedAsync" on a later turn) and then reaches its double-click target
// ("OnListBoxItemDoubleClicked"). Every operation that reads the selection first applies the
// held-back commands. On a panel the list takes no keyboard focus.
class RVADM_ListBox : public RVADM_QMetaObjectProxy<RVADM_ListBase, QListWidget>,
                      public internal::RVADM_DoubleClickSource
{
public:
    RVADM_ListBox(RVADM_ItemParent* parent, bool multiSelect);

    int NumberOfEntries() const override;
    RVADM_ListEntry* GetEntry(int index) const override;
    RVADM_ListEntry* GetActiveEntry() const override;
    RVADM_ListEntry* GetEntryFromIndex(const QModelIndex& index) const;
    // The n-th selected row in row order; null out of range.
    RVADM_ListEntry* GetSelectedEntry(int n) const;
    int NumberOfSelectedEntries() const;
    bool IsMultiSelect() const;
    void SetMultiSelect(bool multiSelect);
    // Without notifying the dialog.
    void DeselectAll();
    // Deletes every row, dropping held-back commands, without notifying the dialog.
    void RemoveAllEntries();
    // `item` gets code 2 when a row is double-clicked, while it is enabled; null for none.
    void SetDoubleClickItem(RVADM_Item* item);
    RVADM_Item* GetDoubleClickTarget() const override;
    // Sizes the list to `width` and the largest height up to `height` that holds whole rows:
    // (height - frame) / row height * row height + frame, the frame being the top and bottom
    // contents margins. With the scroll-range correction one pixel moves from the frame to the
    // row pitch.
    void SetHeightInRows(std::int32_t width, std::int32_t height);
    // Also takes one step off the end of the vertical scroll range.
    void SetScrollRangeCorrection(bool enable);

    // Applies held-back selection commands now.
    void CommitPendingSelection() const;
    // Selects (making current) or deselects `row` without notifying the dialog.
    void SelectEntry(QListWidgetItem* row, bool select);
    internal::RVADM_DelayedSelectionModel& GetDelayedSelectionModel() const { return *m_selection; }

    // The vertical scroll bar's range changed; with the correction on the range ends one earlier.
    void VerticalSliderRangeChanged(int minimum, int maximum);

protected:
    void SelectRowQuietly(int row) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    bool viewportEvent(QEvent* event) override;

private:
    void InstallDelayedSelection();
    bool ShowRowTip(const QHelpEvent& event);

    internal::RVADM_DelayedSelectionModel* m_selection = nullptr;
    RVADM_Item* m_doubleClickItem = nullptr;
    bool m_scrollRangeCorrection = false;
};

} // namespace qRVADM
