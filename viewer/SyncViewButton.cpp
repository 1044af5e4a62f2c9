#include "viewer/SyncViewButton.h"

#include "viewer/LinkSection.h"

SyncViewButton::SyncViewButton(qRVADM::RVADM_ItemParent* parent, LinkSection& section)
    : RVADM_PictureToggle(parent, kLinkedPicture), m_section(section)
{
    SetAutoRaise(true);
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
            m_section.PullHostView();
    }
    RVADM_PictureToggle::Notify(code);
}
