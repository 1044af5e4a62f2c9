#include "viewer/UpdateGenButton.h"

#include "viewer/UpdateGenSection.h"

UpdateGenButton::UpdateGenButton(qRVADM::RVADM_ItemParent* parent, const char* label, UpdateGenSection& section)
    : RVADM_TextPushButton(parent, label, true), m_section(section)
{
}

void UpdateGenButton::Notify(std::int32_t code)
{
    if (code == qRVADM::kNotifyUserChanged)
        m_section.OnGenerateClicked();
    RVADM_TextPushButton::Notify(code);
}
