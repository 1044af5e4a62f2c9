#pragma once

#include "toolkit/RVADM_ComboEntry.h"
#include "toolkit/RVADM_ListBase.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QComboBox>

namespace qRVADM {

// A non-editable drop-down list of `RVADM_ComboEntry` rows showing at most 32 rows at a time, in
// the font of its dialog family. A
// choice reaches the dialog through "OnComboBoxChanged". On a panel it takes no keyboard focus.
// The toolkit's custom event 1456 (theme change) reloads the rows' pictures.
class RVADM_DropDownList : public RVADM_QMetaObjectProxy<RVADM_ListBase, QComboBox>
{
public:
    static constexpr int kMaxVisibleRows = 32;
    static constexpr int kCustomEventType = 1456;

    explicit RVADM_DropDownList(RVADM_ItemParent* parent);

    int NumberOfEntries() const override;
    RVADM_ComboEntry* GetEntry(int index) const override;
    RVADM_ComboEntry* GetActiveEntry() const override;
    // Makes `index` current without notifying the dialog; -1 clears the choice.
    void SelectIndex(int index);
    // The text shown while no row is current.
    void SetPlaceholderText(const char* text, bool localize = false);

    // A row was highlighted in the open list: a visible tool tip follows it to that row's tip.
    void itemHighlighted(int index);

protected:
    void SelectRowQuietly(int row) override;
    bool event(QEvent* event) override;
    // With no current row the placeholder text is shown like a row's text (Qt 5 shows nothing).
    void paintEvent(QPaintEvent* event) override;

private:
    void ReloadPictures();
};

} // namespace qRVADM
