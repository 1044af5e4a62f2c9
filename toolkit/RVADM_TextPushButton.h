#pragma once

#include "toolkit/RVADM_Item.h"
#include "toolkit/RVADM_QMetaObjectProxy.h"

#include <QPushButton>

namespace qRVADM {

// A push button with a text; a click notifies code 2 through the dialog's "OnButtonClicked". On a
// non-modal dialog it takes no keyboard focus.
class RVADM_TextPushButton : public RVADM_QMetaObjectProxy<RVADM_Item, QPushButton>
{
public:
    // `text` may be null (no text); with `localize` it is a resource key.
    RVADM_TextPushButton(RVADM_ItemParent* parent, const char* text, bool localize = false);

    // Marks the button as one that ends a modal dialog (property "_rvadm_ismodalbutton").
    void SetModalButton(bool modal);
};

} // namespace qRVADM
