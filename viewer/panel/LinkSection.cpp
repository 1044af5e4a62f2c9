#include "viewer/panel/LinkSection.h"

#include "plugin/TKW_AIPlugin.h"
#include "settings/ui/BottomBarMetrics.h"
#include "toolkit/RVADM_Frame.h"
#include "viewer/PanelOwner.h"
#include "viewer/events/LinkSectionViewChangeNTFY.h"
#include "viewer/panel/OspryDialog.h"
#include "viewer/panel/SyncViewButton.h"

LinkSection::LinkSection(OspryDialog& panel) : m_panel(panel) {}

void LinkSection::Create()
{
    m_frame = new qRVADM::RVADM_Frame(&m_panel);
    m_frame->SetFrameStyle(QFrame::NoFrame, QFrame::Sunken);
    m_frame->SetMargins(0);
    if (PanelOwner* owner = m_panel.GetOwner()) {
        m_notifier = new LinkSectionViewChangeNTFY(
            *owner, [](OspryDialog& panel, const AINotifierMessage&) { panel.PullHostView(nullptr); });
        owner->Registries().AddNotifier(m_notifier);
    }
    m_button = new SyncViewButton(m_frame, [this] { PullHostView(); });
}

void LinkSection::Layout(qRVADM::RVADM_Item& leftNeighbour)
{
    if (m_frame == nullptr)
        return;
    m_frame->SetSize(m_button->GetWidth() + BottomBarMetrics::kFramePadding, BottomBarMetrics::kFrameHeight);
    qRVADM::RVADM_Item::MoveRightOf(&leftNeighbour, m_frame, qRVADM::kAlignNone | qRVADM::kAlignCenterVertical,
                                    BottomBarMetrics::kNeighbourSpacing);
    qRVADM::RVADM_Item::PlaceInParent(m_button, qRVADM::kAlignNone | qRVADM::kAlignCenterVertical |
                                                    qRVADM::kAlignCenterHorizontal);
}

int LinkSection::GetToggleHeight() const
{
    return m_button != nullptr ? m_button->GetHeight() : 0;
}

bool LinkSection::IsLinked() const
{
    return m_button != nullptr && m_button->IsChecked();
}

void LinkSection::SetLinked(bool linked)
{
    if (m_button == nullptr)
        return;
    m_button->SetLinked(linked);
    if (linked)
        PullHostView();
}

void LinkSection::PullHostView()
{
    m_panel.PullHostView(nullptr);
}
