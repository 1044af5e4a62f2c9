#include "settings/ui/DotGainCopyDialog.h"

#include "settings/ui/DotGainMessages.h"
#include "settings/ui/ModalItemSizes.h"
#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_TextEdit.h"
#include "toolkit/RVADM_TextPushButton.h"
#include "toolkit/internal/Utf8Buffer.h"

#include <QByteArray>

using namespace qRVADM;

namespace {

constexpr std::int32_t kNameEditWidth = 200;

} // namespace

DotGainCopyDialog::DotGainCopyDialog(const char* proposedName)
{
    internal::Utf8Buffer::Copy(QByteArray(proposedName), m_name, sizeof m_name);
}

void DotGainCopyDialog::CreateItems()
{
    m_label = new RVADM_Label(this, "Dot Gain Settings Name:", true);
    m_nameEdit = new RVADM_TextEdit(this, nullptr);
    m_label->SetBuddy(m_nameEdit);
    m_create = new RVADM_TextPushButton(this, "Create", true);
    m_cancel = new RVADM_TextPushButton(this, "Cancel", true);
    SetDefaultItem(m_create);
    SetCancelItem(m_cancel);
}

void DotGainCopyDialog::InitItems()
{
    m_nameEdit->SetText(m_name);
    m_nameEdit->SelectAll();
    m_nameEdit->SetFocus(true);
}

void DotGainCopyDialog::CommitItems()
{
    ReadName();
}

void DotGainCopyDialog::Layout()
{
    ModalItemSizes::FitToBest(*m_label);
    ModalItemSizes::SizeEdit(*m_nameEdit, kNameEditWidth);
    ModalItemSizes::SizeButton(*m_create);
    ModalItemSizes::SizeButton(*m_cancel);

    RVADM_Item::PlaceInParent(m_label, kAlignNone | kAlignMoveTop | kAlignMoveLeft);
    RVADM_Item::MoveRightOf(m_label, m_nameEdit, kAlignNone | kAlignCenterVertical);
    RVADM_Item::MoveBelow(m_nameEdit, m_cancel, kAlignNone | kAlignMoveRight);
    RVADM_Item::MoveLeftOf(m_cancel, m_create, kAlignNone | kAlignCenterVertical);
    RVADM_Item::FitParentTo(m_cancel, kAlignNone | kAlignStretchBottom | kAlignStretchRight);
}

void DotGainCopyDialog::OnNotify(RVADM_Item* item)
{
    if (item == m_cancel) {
        EndModal(2, true);
    } else if (item == m_create) {
        ReadName();
        if (DotGainMessages::ConfirmNameGiven(m_name, *m_nameEdit))
            EndModal(1, false);
    }
}

void DotGainCopyDialog::ReadName()
{
    m_nameEdit->GetText(m_name, sizeof m_name, true);
}
