#include "viewer/panel/SyncViewButton.h"

#include <utility>

SyncViewButton::SyncViewButton(qRVADM::RVADM_ItemParent* parent, std::function<void()> pullHostView)
    : RVADM_PictureToggle(parent, kLinkedPicture), m_pullHostView(std::move(pullHostView))
{
    SetAutoRaise(true);
    SetAccessibleName("Link the preview with the document view", true);
    SetLinked(true);
}

void SyncViewButton::SetLinked(bool linked)
{
    SetChecked(linked);
    SetPicture(linked ? kLinkedPicture : kUnlinkedPicture);
}

void SyncViewButton::Notify(std::int32_t code)
{
    if (code == qRVADM::kNotifyUserChanged) {
        SetPicture(IsChecked() ? kLinkedPicture : kUnlinkedPicture);
        if (IsChecked())
            m_pullHostView();
    }
    RVADM_PictureToggle::Notify(code);
}
