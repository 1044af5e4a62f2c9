#pragma once

#include <cstddef>

class QString;

namespace qRVADM {

class RVADM_Tracker;

// One row of a list item (list box or drop-down list). Texts are UTF-8 unless the name ends in W;
// the text and tip setters translate resource keys when asked.
class RVADM_ListEntryBase
{
public:
    RVADM_ListEntryBase() = default;
    RVADM_ListEntryBase(const RVADM_ListEntryBase&) = delete;
    RVADM_ListEntryBase& operator=(const RVADM_ListEntryBase&) = delete;
    virtual ~RVADM_ListEntryBase();

    // The text the row shows; always terminated, never cutting a character.
    void GetText(char* buffer, std::size_t size) const;
    void GetTextW(char16_t* buffer, std::size_t size) const;
    // A null text counts as empty.
    void SetText(const char* text, bool localize = false);
    void SetTextW(const char16_t* text);
    // A null text clears the tip; unless `richText`, a text that could be rich text shows literally.
    void SetTipString(const char* text, bool localize = false, bool richText = false);

    // Selects (making the row current) or deselects the row without notifying the dialog.
    virtual void Select(bool select) = 0;
    virtual bool IsSelected() const = 0;
    // The row's position in its list; -1 once it is in none.
    virtual int GetIndex() const = 0;
    // The row's tool-tip tracker (action 1001, modifier bits, position in the row); true consumes
    // the event. The default leaves the row's own tip to show.
    virtual bool Track(RVADM_Tracker tracker);

    virtual QString EntryText() const = 0;

protected:
    virtual void SetEntryText(const QString& text) = 0;
    virtual void SetEntryTip(const QString& tip) = 0;
};

} // namespace qRVADM
