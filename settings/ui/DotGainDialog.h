#pragma once

#include "toolkit/RVADM_ModalDialog.h"

#include <string>

namespace qRVADM {
class RVADM_ListBox;
class RVADM_TextPushButton;
} // namespace qRVADM

// The list of the dot gain settings in the shared settings folder, with New, Copy, Edit and
// Remove. Every action leaves the list open; the folder is read afresh for every refill.
class DotGainDialog : public qRVADM::RVADM_ModalDialog
{
    Q_OBJECT

public:
    // Shows the dialog on the shared settings folder and returns once the user has closed it (at
    // once when the host allows no dialogs). The caller then reloads whatever lists settings.
    static void Run();

protected:
    void CreateItems() override;
    void InitItems() override;
    void Layout() override;
    void OnNotify(qRVADM::RVADM_Item* item) override;

private:
    DotGainDialog();

    // Lists every setting, selecting `selected` when it is listed.
    void Fill(const std::string& selected);
    void UpdateButtons();
    std::string SelectedName() const;
    void CreateSetting();
    void CopySelected();
    void EditSelected();
    void RemoveSelected();

    qRVADM::RVADM_ListBox* m_list = nullptr;
    qRVADM::RVADM_TextPushButton* m_close = nullptr;
    qRVADM::RVADM_TextPushButton* m_new = nullptr;
    qRVADM::RVADM_TextPushButton* m_copy = nullptr;
    qRVADM::RVADM_TextPushButton* m_edit = nullptr;
    qRVADM::RVADM_TextPushButton* m_remove = nullptr;
};
