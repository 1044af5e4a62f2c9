#pragma once

#include "toolkit/RVADM_TextPushButton.h"

#include <functional>

// The panel's Generate/Update button. A click, or the plug-in's "Generate" menu command, is code
// 2; the section decides whether it generates.
class UpdateGenButton final : public qRVADM::RVADM_TextPushButton
{
public:
    // `label` is a resource key; `clicked` hears code 2 before the button's own handling.
    UpdateGenButton(qRVADM::RVADM_ItemParent* parent, const char* label, std::function<void()> clicked);

    void Notify(std::int32_t code) override;

private:
    std::function<void()> m_clicked;
};
