#include "viewer/panel/SaveProofDialog.h"

#include "settings/ui/ModalItemSizes.h"
#include "toolkit/RVADM_ComboEntry.h"
#include "toolkit/RVADM_DropDownList.h"
#include "toolkit/RVADM_Label.h"
#include "toolkit/RVADM_NumericEdit.h"
#include "toolkit/RVADM_TextPushButton.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

using namespace qRVADM;

namespace {

// In the order of ProofArea and of ProofFormat.
constexpr const char* kAreas[] = {"Whole Job", "Artwork Bounds", "Shown View"};
constexpr const char* kFormats[] = {"PNG", "TIFF"};

constexpr std::int32_t kListWidth = 160;
constexpr std::int32_t kPpiWidth = 70;

// The active row; 0 when none is.
int ActiveRow(const RVADM_DropDownList& list)
{
    const RVADM_ListEntryBase* entry = list.GetActiveEntry();
    return entry != nullptr ? std::max(entry->GetIndex(), 0) : 0;
}

}  // namespace

SaveProofDialog::SaveProofDialog(const Choice& choice) : m_choice(choice) {}

SaveProofDialog::~SaveProofDialog() = default;

template <std::size_t N>
RVADM_DropDownList* SaveProofDialog::NewList(const char* const (&texts)[N])
{
    auto* list = new RVADM_DropDownList(this);
    for (const char* text : texts)
        m_entries.push_back(std::make_unique<RVADM_ComboEntry>(list, text, true));
    return list;
}

void SaveProofDialog::CreateItems()
{
    m_areaLabel = new RVADM_Label(this, "Area:", true);
    m_area = NewList(kAreas);
    m_ppiLabel = new RVADM_Label(this, "Resolution:", true);
    m_ppi = new RVADM_NumericEdit(this, ProofRequest::kMinimumPpi, ProofRequest::kMaximumPpi, 1.0, false, 0);
    m_ppiUnit = new RVADM_Label(this, "ppi", true);
    m_formatLabel = new RVADM_Label(this, "Format:", true);
    m_format = NewList(kFormats);
    m_save = new RVADM_TextPushButton(this, "Save...", true);
    m_cancel = new RVADM_TextPushButton(this, "Cancel", true);
    SetDefaultItem(m_save);
    SetCancelItem(m_cancel);
    // Each field is labelled for a screen reader; Tab follows the order of creation, down the dialog.
    m_areaLabel->SetBuddy(m_area);
    m_ppiLabel->SetBuddy(m_ppi);
    m_formatLabel->SetBuddy(m_format);
}

void SaveProofDialog::InitItems()
{
    m_area->SelectIndex(static_cast<int>(m_choice.area));
    m_ppi->SetFloatValue(m_choice.ppi, UnitNone);
    m_format->SelectIndex(static_cast<int>(m_choice.format));
    m_ppi->SetFocus(true);
}

void SaveProofDialog::CommitItems()
{
    m_choice.area = static_cast<ProofArea>(ActiveRow(*m_area));
    m_choice.ppi = static_cast<int>(std::lround(m_ppi->GetFloatValue(UnitNone)));
    m_choice.format = static_cast<ProofFormat>(ActiveRow(*m_format));
}

void SaveProofDialog::Layout()
{
    std::int32_t labelWidth = 0;
    for (RVADM_Label* label : {m_areaLabel, m_ppiLabel, m_formatLabel, m_ppiUnit}) {
        ModalItemSizes::FitToBest(*label);
        label->SetJustify(Qt::AlignRight | Qt::AlignVCenter);
        if (label != m_ppiUnit)
            labelWidth = std::max(labelWidth, label->GetWidth());
    }
    for (RVADM_Label* label : {m_areaLabel, m_ppiLabel, m_formatLabel})
        label->SetWidth(labelWidth);
    ModalItemSizes::SizeEdit(*m_area, kListWidth);
    ModalItemSizes::SizeEdit(*m_ppi, kPpiWidth);
    ModalItemSizes::SizeEdit(*m_format, kListWidth);
    ModalItemSizes::SizeButton(*m_save);
    ModalItemSizes::SizeButton(*m_cancel);

    RVADM_Item::PlaceInParent(m_areaLabel, kAlignNone | kAlignMoveTop | kAlignMoveLeft);
    RVADM_Item::MoveRightOf(m_areaLabel, m_area, kAlignNone | kAlignCenterVertical);
    RVADM_Item::MoveBelow(m_area, m_ppi, kAlignNone | kAlignMoveLeft);
    RVADM_Item::MoveLeftOf(m_ppi, m_ppiLabel, kAlignNone | kAlignCenterVertical);
    RVADM_Item::MoveRightOf(m_ppi, m_ppiUnit, kAlignNone | kAlignCenterVertical);
    RVADM_Item::MoveBelow(m_ppi, m_format, kAlignNone | kAlignMoveLeft);
    RVADM_Item::MoveLeftOf(m_format, m_formatLabel, kAlignNone | kAlignCenterVertical);
    RVADM_Item::MoveBelow(m_format, m_cancel, kAlignNone | kAlignMoveRight);
    RVADM_Item::MoveLeftOf(m_cancel, m_save, kAlignNone | kAlignCenterVertical);
    RVADM_Item::FitParentTo(m_cancel, kAlignNone | kAlignStretchBottom | kAlignStretchRight);
}

void SaveProofDialog::OnNotify(RVADM_Item* item)
{
    if (item == m_cancel)
        EndModal(2, true);
    else if (item == m_save)
        EndModal(1, false);
}
