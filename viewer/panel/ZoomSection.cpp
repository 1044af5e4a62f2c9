#include "viewer/panel/ZoomSection.h"

#include "settings/ui/BottomBarMetrics.h"
#include "toolkit/RVADM_Frame.h"
#include "viewer/panel/CanvasZoom.h"
#include "viewer/panel/OspryDialog.h"
#include "viewer/panel/ZoomInButton.h"
#include "viewer/panel/ZoomMenu.h"
#include "viewer/panel/ZoomOutButton.h"

#include <algorithm>

namespace {

using qRVADM::RVADM_Item;

constexpr std::uint32_t kZoomOutPlacement = qRVADM::kAlignNone | qRVADM::kAlignCenterVertical | qRVADM::kAlignMoveLeft;
constexpr std::uint32_t kRowPlacement = qRVADM::kAlignNone | qRVADM::kAlignMoveTop;
constexpr std::uint32_t kFrameEndsAtZoomIn = qRVADM::kAlignNone | qRVADM::kAlignStretchRight;
constexpr std::uint32_t kRowCentring = qRVADM::kAlignNone | qRVADM::kAlignCenterVertical;
constexpr std::uint32_t kFramePlacement = qRVADM::kAlignNone | qRVADM::kAlignMoveBottom;
static_assert(kZoomOutPlacement == 1537 && kRowPlacement == 1056 && kFrameEndsAtZoomIn == 1032 &&
              kRowCentring == 1536 && kFramePlacement == 1088);
// The menu is this many of its own heights wide.
constexpr int kMenuWidthInHeights = 5;

}  // namespace

ZoomSection::ZoomSection(OspryDialog& panel, CanvasZoom& canvas) : m_panel(panel), m_canvas(canvas) {}

void ZoomSection::Create()
{
    m_frame = new qRVADM::RVADM_Frame(&m_panel);
    m_frame->SetFrameStyle(QFrame::NoFrame, QFrame::Sunken);
    m_frame->SetMargins(0);
    m_menu = new ZoomMenu(
        m_frame, [this](double value) { Choose(value); },
        [this](double percent) { m_canvas.ZoomTo(percent / 100.0, true); });
    m_zoomIn = new ZoomInButton(m_frame, m_menu);
    m_zoomOut = new ZoomOutButton(m_frame, m_menu);
    SizeItems();
    Enable(false);
}

void ZoomSection::SizeItems()
{
    const int height = std::max(m_menu->GetHeight(), m_zoomOut->GetHeight());
    m_zoomIn->SetHeight(height);
    m_zoomOut->SetHeight(height);
    m_menu->SetSize(kMenuWidthInHeights * m_menu->GetHeight(), height);
}

void ZoomSection::Layout(RVADM_Item& leftNeighbour, int toggleHeight)
{
    if (m_frame == nullptr)
        return;
    m_frame->SetHeight(std::max(toggleHeight, kFrameHeight));
    RVADM_Item::PlaceInParent(m_zoomOut, kZoomOutPlacement);
    RVADM_Item::MoveRightOf(m_zoomOut, m_menu, kRowPlacement, 0);
    RVADM_Item::MoveRightOf(m_menu, m_zoomIn, kRowPlacement, 0);
    RVADM_Item::FitParentTo(m_zoomIn, kFrameEndsAtZoomIn);
    RVADM_Item::AlignItems(kRowCentring, m_zoomOut, m_menu, m_zoomIn);
    qRVADM::RVADM_Rect local;
    m_panel.GetLocalRect(local);
    m_frame->AlignTo(local, kFramePlacement);
    RVADM_Item::MoveRightOf(&leftNeighbour, m_frame, qRVADM::kAlignNone, BottomBarMetrics::kNeighbourSpacing);
}

void ZoomSection::Enable(bool enable)
{
    m_frame->Enable(enable);
    if (!enable)
        m_menu->Clear();
}

void ZoomSection::ShowZoom(double factor)
{
    m_menu->ShowZoom(factor);
}

void ZoomSection::Choose(double value)
{
    if (value == kFitArtBoardValue)
        m_canvas.FitArtBoard();
    else if (value == kFitGraphicsValue)
        m_canvas.FitGraphics();
    else if (value > 0.0)
        m_canvas.ZoomTo(value / 100.0, false);
}
