#pragma once

#include "settings/ui/DotGainPoints.h"
#include "settings/ui/DotGainValidation.h"
#include "toolkit/RVADM_ModalDialog.h"

#include <array>
#include <string>

class PressSettings;

namespace qRVADM {
class RVADM_Frame;
class RVADM_Label;
class RVADM_NumericEdit;
class RVADM_TextEdit;
class RVADM_TextPushButton;
} // namespace qRVADM

// The editor of one dot gain setting: its name (editable only for a new setting) and the five
// points of its curve. "Save" ends with 1 once the name is given and the curve passes the
// validation (otherwise a message says why and the editor stays); "Cancel" ends with 0.
class DotGainSettingsDialog : public qRVADM::RVADM_ModalDialog
{
    Q_OBJECT

public:
    // Edits the curve of `record`, which must outlive the dialog; `name` is shown in the name
    // field. Only a run that ends with "Save" changes the record, and only its curve: the name
    // typed is kept apart (GetName), so that the record holds a name only once it is stored.
    DotGainSettingsDialog(PressSettings& record, std::string name, bool isNew);

    const std::string& GetName() const { return m_name; }

protected:
    void CreateItems() override;
    void InitItems() override;
    void CommitItems() override;
    void Layout() override;
    void OnNotify(qRVADM::RVADM_Item* item) override;

private:
    struct Row
    {
        qRVADM::RVADM_Label* label = nullptr;
        qRVADM::RVADM_NumericEdit* field = nullptr;
        qRVADM::RVADM_Label* percent = nullptr;
    };

    void Save();
    PressDotGain TypedCurve() const;
    void LayoutRows();
    void LayoutName();

    PressSettings& m_record;
    std::string m_name;
    bool m_isNew;
    DotGainValidation m_validation;
    qRVADM::RVADM_TextPushButton* m_save = nullptr;
    qRVADM::RVADM_TextPushButton* m_cancel = nullptr;
    qRVADM::RVADM_Label* m_nameLabel = nullptr;
    // The name edit of a new setting (null otherwise), or the label showing an existing name.
    qRVADM::RVADM_TextEdit* m_nameEdit = nullptr;
    qRVADM::RVADM_Item* m_nameField = nullptr;
    qRVADM::RVADM_Frame* m_separator = nullptr;
    std::array<Row, DotGainPoints::kCount> m_rows{};
};
