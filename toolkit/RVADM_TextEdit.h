#pragma once

#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QLineEdit>

namespace qRVADM {

// A single-line text edit. Typing notifies code 3, a changed selection code 9, and finishing an
// edit that changed the text code 2 (an unchanged one notifies nothing). On a non-modal dialog,
// Return, Enter and Escape end the edit and give the keyboard focus back to the host, and taking
// the focus brings the panel to the front.
class RVADM_TextEdit : public RVADM_QMetaObjectProxy<RVADM_Item, QLineEdit>
{
public:
    // `text` may be null (empty); with `localize` it is a resource key.
    RVADM_TextEdit(RVADM_ItemParent* parent, const char* text, bool localize = false);

    // Shown while the edit is empty; with `localize` a resource key. Null clears it.
    void SetPlaceholderText(const char* text, bool localize = false);
    void SelectAll();
    void SetReadOnly(bool readOnly);
    // Whether the user changed the text since it was last set or committed.
    bool IsModified() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace qRVADM
