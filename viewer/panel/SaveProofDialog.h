#pragma once

#include "toolkit/RVADM_ModalDialog.h"
#include "viewer/export/ProofRequest.h"
#include "viewer/panel/ProofArea.h"

#include <memory>
#include <vector>

namespace qRVADM {
class RVADM_ComboEntry;
class RVADM_DropDownList;
class RVADM_Label;
class RVADM_NumericEdit;
class RVADM_TextPushButton;
}  // namespace qRVADM

// What a proof file is to hold: the area, the resolution and the format. Ends with 1 on
// "Save..." (the caller then asks for the file), 2 on "Cancel" and Escape. The resolution field
// keeps its value within 72..2400 ppi.
class SaveProofDialog : public qRVADM::RVADM_ModalDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        ProofArea area = ProofArea::WholeJob;
        int ppi = ProofRequest::kDefaultPpi;
        ProofFormat format = ProofFormat::Png;
    };

    // Shows `choice` (what the last export used).
    explicit SaveProofDialog(const Choice& choice);
    ~SaveProofDialog() override;

    // As read when the dialog ended with "Save...".
    const Choice& GetChoice() const { return m_choice; }

protected:
    void CreateItems() override;
    void InitItems() override;
    void CommitItems() override;
    void Layout() override;
    void OnNotify(qRVADM::RVADM_Item* item) override;

private:
    // A drop-down list with a row for each text, which the dialog keeps.
    template <std::size_t N>
    qRVADM::RVADM_DropDownList* NewList(const char* const (&texts)[N]);

    Choice m_choice;
    std::vector<std::unique_ptr<qRVADM::RVADM_ComboEntry>> m_entries;
    qRVADM::RVADM_Label* m_areaLabel = nullptr;
    qRVADM::RVADM_DropDownList* m_area = nullptr;
    qRVADM::RVADM_Label* m_ppiLabel = nullptr;
    qRVADM::RVADM_NumericEdit* m_ppi = nullptr;
    qRVADM::RVADM_Label* m_ppiUnit = nullptr;
    qRVADM::RVADM_Label* m_formatLabel = nullptr;
    qRVADM::RVADM_DropDownList* m_format = nullptr;
    qRVADM::RVADM_TextPushButton* m_save = nullptr;
    qRVADM::RVADM_TextPushButton* m_cancel = nullptr;
};
