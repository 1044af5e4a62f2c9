#include "viewer/ZoomSection.h"

#include "plugin/EngineSuites.h"
#include "plugin/suites/HLKilnSuite.h"
#include "settings/ui/BottomBar.h"
#include "toolkit/RVADM_Frame.h"
#include "viewer/HostDocument.h"
#include "viewer/JobViewFrame.h"
#include "viewer/JobViewSection.h"
#include "viewer/LinkSection.h"
#include "viewer/OspryDialog.h"
#include "viewer/ZoomFit.h"
#include "viewer/ZoomInButton.h"
#include "viewer/ZoomMenu.h"
#include "viewer/ZoomOutButton.h"

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

ZoomSection::ZoomSection(OspryDialog& panel) : m_panel(panel) {}

void ZoomSection::Create()
{
    m_frame = new qRVADM::RVADM_Frame(&m_panel);
    m_frame->SetFrameStyle(QFrame::NoFrame, QFrame::Sunken);
    m_frame->SetMargins(0);
    m_menu = new ZoomMenu(m_frame, *this);
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

void ZoomSection::Layout(RVADM_Item& leftNeighbour)
{
    if (m_frame == nullptr)
        return;
    const LinkSection* link = m_panel.GetLinkSection();
    const int toggleHeight = link != nullptr ? link->GetToggleHeight() : 0;
    m_frame->SetHeight(std::max(toggleHeight, kFrameHeight));
    RVADM_Item::PlaceInParent(m_zoomOut, kZoomOutPlacement);
    RVADM_Item::MoveRightOf(m_zoomOut, m_menu, kRowPlacement, 0);
    RVADM_Item::MoveRightOf(m_menu, m_zoomIn, kRowPlacement, 0);
    RVADM_Item::FitParentTo(m_zoomIn, kFrameEndsAtZoomIn);
    RVADM_Item::AlignItems(kRowCentring, m_zoomOut, m_menu, m_zoomIn);
    qRVADM::RVADM_Rect local;
    m_panel.GetLocalRect(local);
    m_frame->AlignTo(local, kFramePlacement);
    RVADM_Item::MoveRightOf(&leftNeighbour, m_frame, qRVADM::kAlignNone, BottomBar::kNeighbourSpacing);
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
        FitArtBoard();
    else if (value == kFitGraphicsValue)
        FitGraphics();
    else if (value > 0.0)
        ZoomTo(value / 100.0, false);
}

void ZoomSection::ZoomToCustomPercent(double percent)
{
    ZoomTo(percent / 100.0, true);
}

void ZoomSection::FitArtBoard()
{
    const HostDocument::PageGeometry page = HostDocument::CurrentPage();
    JobViewSection& jobView = *m_panel.GetJobViewSection();
    jobView.ShowArtworkRect(ZoomFit::ArtBoardRect(page.width, page.height, page.originX, page.originY));
    jobView.PushViewToHost();
}

void ZoomSection::FitGraphics()
{
    const HLKilnSuite* kiln = EngineSuitePointers().kiln;
    double bounds[4] = {};
    if (kiln == nullptr || kiln->GetArtworkBounds(bounds) != kNoErr)
        return;
    JobViewSection& jobView = *m_panel.GetJobViewSection();
    JobViewFrame& canvas = *jobView.GetCanvas();
    canvas.ShowRect(ZoomFit::GraphicsRect(JobRect{bounds[2], bounds[3], bounds[0], bounds[1]}));
    ShowZoom(canvas.GetZoom());
    jobView.PushViewToHost();
}

void ZoomSection::ZoomTo(double factor, bool asPush)
{
    JobViewSection& jobView = *m_panel.GetJobViewSection();
    JobViewFrame& canvas = *jobView.GetCanvas();
    jobView.SetHostViewZoom(factor, asPush);
    canvas.SetZoom(factor);
    ShowZoom(canvas.GetZoom());
    canvas.Invalidate();
}
