#include "settings/ui/DotGainSection.h"

#include "settings/ui/BottomBarMetrics.h"
#include "settings/ui/DotGainFrame.h"
#include "settings/ui/DotGainList.h"
#include "settings/ui/ModalItemSizes.h"
#include "toolkit/RVADM_Dialog.h"
#include "toolkit/RVADM_Label.h"

#include <utility>

namespace {

using qRVADM::RVADM_Item;

// The frame is this much wider than the label and the list together.
constexpr std::int32_t kFramePadding = 12;

}  // namespace

DotGainSection::DotGainSection(qRVADM::RVADM_Dialog& panel, std::function<void()> refreshPreview)
    : m_panel(panel), m_refreshPreview(std::move(refreshPreview))
{
}

void DotGainSection::Create(bool shown)
{
    m_frame = new DotGainFrame(&m_panel);
    m_label = new qRVADM::RVADM_Label(&m_panel, "Dot Gain Curve:", true);
    m_list = new DotGainList(&m_panel, m_refreshPreview);
    // A screen reader names the list by its label.
    m_label->SetBuddy(m_list);
    for (RVADM_Item* item : {static_cast<RVADM_Item*>(m_frame), static_cast<RVADM_Item*>(m_label),
                             static_cast<RVADM_Item*>(m_list)})
        item->Show(shown);
}

RVADM_Item* DotGainSection::GetFrame() const
{
    return m_frame;
}

void DotGainSection::Layout(RVADM_Item& leftNeighbour)
{
    if (m_frame == nullptr)
        return;
    ModalItemSizes::FitToBest(*m_label);
    m_frame->SetSize(m_list->GetWidth() + m_label->GetWidth() + kFramePadding, BottomBarMetrics::kFrameHeight);
    RVADM_Item::MoveRightOf(&leftNeighbour, m_frame, qRVADM::kAlignNone | qRVADM::kAlignCenterVertical,
                            BottomBarMetrics::kNeighbourSpacing);
    qRVADM::RVADM_Rect frame;
    m_frame->GetBoundsRect(frame);
    m_label->AlignTo(frame.Inset(BottomBarMetrics::kContentInset),
                     qRVADM::kAlignNone | qRVADM::kAlignCenterVertical | qRVADM::kAlignMoveLeft);
    RVADM_Item::MoveRightOf(m_label, m_list, qRVADM::kAlignNone | qRVADM::kAlignCenterVertical);
}

void DotGainSection::Reload()
{
    if (m_list == nullptr)
        return;
    m_list->Fill(m_list->SelectedName());
    m_list->Notify(qRVADM::kNotifyUserChanged);
}
