#pragma once

#include "toolkit/RVADM_TextPushButton.h"

class UpdateGenSection;

// The panel's Generate/Update button. A click, or the plug-in's "Generate" menu command, is code
// 2; the section decides whether it generates.
class UpdateGenButton final : public qRVADM::RVADM_TextPushButton
{
public:
    // `label` is a resource key; `section` outlives the button.
    UpdateGenButton(qRVADM::RVADM_ItemParent* parent, const char* label, UpdateGenSection& section);

    void Notify(std::int32_t code) override;

private:
    UpdateGenSection& m_section;
};
