#include "viewer/panel/UpdateGenButton.h"

#include <utility>

UpdateGenButton::UpdateGenButton(qRVADM::RVADM_ItemParent* parent, const char* label, std::function<void()> clicked)
    : RVADM_TextPushButton(parent, label, true), m_clicked(std::move(clicked))
{
}

void UpdateGenButton::Notify(std::int32_t code)
{
    if (code == qRVADM::kNotifyUserChanged)
        m_clicked();
    RVADM_TextPushButton::Notify(code);
}
