#include "toolkit/RVADM_TextPushButton.h"

#include "toolkit/internal/RVADM_ControlSetup.h"

#include <QVariant>

namespace qRVADM {

RVADM_TextPushButton::RVADM_TextPushButton(RVADM_ItemParent* parent, const char* text, bool localize)
    : RVADM_QMetaObjectProxy(parent, kKindTextPushButton)
{
    internal::SetUpControl(*this, text, localize);
    ConnectToDialog(SIGNAL(clicked()), SLOT(OnButtonClicked()));
    internal::TakeNoFocusOnPanel(*this);
}

void RVADM_TextPushButton::SetModalButton(bool modal)
{
    setProperty("_rvadm_ismodalbutton", modal);
}

} // namespace qRVADM
