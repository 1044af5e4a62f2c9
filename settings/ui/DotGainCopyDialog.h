#pragma once

#include "toolkit/RVADM_ModalDialog.h"

#include <cstddef>

namespace qRVADM {
class RVADM_Label;
class RVADM_TextEdit;
class RVADM_TextPushButton;
} // namespace qRVADM

// Asks for the name of a copy of a dot gain setting. Ends with 1 on "Create" once a name is
// given (an empty one is refused with a message and the dialog stays), 2 on "Cancel".
class DotGainCopyDialog : public qRVADM::RVADM_ModalDialog
{
    Q_OBJECT

public:
    static constexpr std::size_t kNameBufferSize = 512;

    // Shows `proposedName`, of which at most kNameBufferSize - 1 bytes are kept.
    explicit DotGainCopyDialog(const char* proposedName);

    // The name as last read from the dialog: never more than kNameBufferSize - 1 bytes, never
    // cutting a character.
    const char* GetName() const { return m_name; }

protected:
    void CreateItems() override;
    void InitItems() override;
    void CommitItems() override;
    void Layout() override;
    void OnNotify(qRVADM::RVADM_Item* item) override;

private:
    void ReadName();

    char m_name[kNameBufferSize] = {};
    qRVADM::RVADM_Label* m_label = nullptr;
    qRVADM::RVADM_TextEdit* m_nameEdit = nullptr;
    qRVADM::RVADM_TextPushButton* m_create = nullptr;
    qRVADM::RVADM_TextPushButton* m_cancel = nullptr;
};
