#pragma once

#include "toolkit/RVADM_ListEntryBase.h"

#include <QPointer>

#include <cstdint>

class QComboBox;
class QStandardItem;

namespace qRVADM {

class RVADM_DropDownList;

// One row of a drop-down list, appended by the constructor. Owned by the application, which
// keeps it as long as the row should exist; deleting it removes its row. The row carries the
// entry's address in role 256 and its picture id in role 257, and every operation finds the row
// by that address (where it was last seen first), so rows may be inserted and removed freely. Operations on a removed row, or
// after the list has gone, do nothing.
class RVADM_ComboEntry : public RVADM_ListEntryBase
{
public:
    static constexpr int kEntryRole = Qt::UserRole;        // 256
    static constexpr int kPictureRole = Qt::UserRole + 1;  // 257

    RVADM_ComboEntry(RVADM_DropDownList* combo, const char* text, bool localize = false);
    ~RVADM_ComboEntry() override;

    // The entry whose address row `row` of `combo` carries; null for other rows.
    static RVADM_ComboEntry* FromRow(const QComboBox& combo, int row);

    void Select(bool select) override;
    bool IsSelected() const override;
    int GetIndex() const override;
    QString EntryText() const override;
    // Id >= 1: that picture; id < 0: a transparent picture of the list's icon size, so that the
    // text lines up with rows that have pictures; 0: none.
    void SetPicture(std::int32_t id);
    std::int32_t GetPicture() const;
    void Enable(bool enable);
    bool IsEnabled() const;
    // Takes the row out of the list; the entry stays.
    void Remove();

protected:
    struct SeparatorRow
    {
    };
    // Marks a separator row instead of appending a text row.
    RVADM_ComboEntry(RVADM_DropDownList* combo, SeparatorRow);

    void SetEntryText(const QString& text) override;
    void SetEntryTip(const QString& tip) override;

private:
    // -1 when the row or the list is gone.
    int Row() const;
    // Gives `row` the entry's address and no picture.
    void Mark(QStandardItem& row) const;

    QPointer<QComboBox> m_combo;
    // Where the row was last seen; checked before any search.
    mutable int m_row = -1;
};

} // namespace qRVADM
