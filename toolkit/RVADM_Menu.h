#pragma once

#include "toolkit/RVADM_AbstractMenu.h"

namespace qRVADM {

class RVADM_NonModalDialog;

// The flyout menu of a non-modal dialog's host panel: attached to the panel at construction and
// detached at destruction; the panel's flyout callback delivers the user's choices to it.
class RVADM_Menu : public RVADM_AbstractMenu
{
public:
    explicit RVADM_Menu(RVADM_NonModalDialog* dialog);
    ~RVADM_Menu() override;

private:
    static void ItemChosen(AIPanelRef panel, ASUInt32 itemId);

    RVADM_NonModalDialog* m_dialog;
};

} // namespace qRVADM
