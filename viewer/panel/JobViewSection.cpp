#include "viewer/panel/JobViewSection.h"

#include "plugin/EngineSuites.h"
#include "plugin/TKW_AIPlugin.h"
#include "plugin/suites/HLKilnSuite.h"
#include "support/Localization.h"
#include "viewer/PanelOwner.h"
#include "viewer/canvas/HostDocument.h"
#include "viewer/canvas/HostView.h"
#include "viewer/canvas/JobViewFrame.h"
#include "viewer/events/AIViewSyncTimer.h"
#include "viewer/events/EventExtensionNotifier.h"
#include "viewer/model/JobCoordinates.h"
#include "viewer/model/ZoomFit.h"
#include "viewer/model/ZoomMenuModel.h"
#include "viewer/panel/OspryDialog.h"

#include <cmath>
#include <string>

namespace {

// Top-left of the panel's local rectangle (MoveTop | MoveLeft, placed as given).
constexpr std::uint32_t kCanvasAlignment = qRVADM::kAlignNone | qRVADM::kAlignMoveTop | qRVADM::kAlignMoveLeft;
static_assert(kCanvasAlignment == 1057);

const HLKilnSuite* Kiln()
{
    return EngineSuitePointers().kiln;
}

constexpr const char* kNoProof = "No proof";
constexpr const char* kProofUpToDate = "Proof at %s, up to date";
constexpr const char* kProofChanged = "Proof at %s, not up to date";

}  // namespace

JobViewSection::JobViewSection(OspryDialog& panel) : m_panel(panel) {}

void JobViewSection::Create()
{
    m_canvas = new JobViewFrame(&m_panel);
    m_canvas->SetViewListener(this);
    m_canvas->setMouseTracking(true);
    m_canvas->Enable(false);
    m_canvas->SetAccessibleName("Proof preview", true);
    DescribeCanvas();
    PanelOwner* owner = m_panel.GetOwner();
    if (owner == nullptr)
        return;
    const auto handModifiers = [](OspryDialog& panel, const AINotifierMessage& message) {
        if (message.notifyData != nullptr)
            panel.SetHostModifiers(*static_cast<const ASUInt32*>(message.notifyData));
    };
    owner->Registries().AddNotifier(new EventExtensionNotifier(*owner, handModifiers));
    m_viewSyncTimer = new AIViewSyncTimer(*owner, [](OspryDialog& panel) {
        if (const AIDocumentViewHandle view = HostView::Front())
            panel.PullHostView(view);
    });
    owner->Registries().AddTimer(m_viewSyncTimer);
}

void JobViewSection::Layout()
{
    qRVADM::RVADM_Rect local;
    m_panel.GetLocalRect(local);
    m_canvas->SetSize(local.Width(),
                      local.Height() - qRVADM::RVADM_NonModalDialog::kResizeGripSide - m_panel.GetBottomGap());
    m_canvas->AlignTo(local, kCanvasAlignment);
    m_canvas->KeepZoomOnResize();
}

void JobViewSection::InvalidateCanvas()
{
    if (m_canvas != nullptr)
        m_canvas->Invalidate();
}

void JobViewSection::ApplyColorSettings()
{
    if (const HLKilnSuite* kiln = Kiln())
        kiln->ApplyColorSettings();
}

void JobViewSection::SetTrapLayerVisible(bool shown)
{
    m_trapLayerShown = shown;
    if (const HLKilnSuite* kiln = Kiln())
        kiln->SetTrapLayerVisible(shown ? 1 : 0);
}

bool JobViewSection::IsCanvasEnabled() const
{
    return m_canvas != nullptr && m_canvas->IsEnabled();
}

void JobViewSection::SyncJob(bool fit)
{
    m_canvas->SetJobDocument(HostDocument::Current());
    ReadPageOrigin();
    if (const HLKilnSuite* kiln = Kiln())
        kiln->GetJobSize(&m_jobHeight, &m_jobWidth);
    if (fit || m_panel.IsLinked())
        m_canvas->SetViewRect(JobRect{0.0, m_jobHeight, 0.0, m_jobWidth});
    if (const HLKilnSuite* kiln = Kiln())
        kiln->JobLoaded();
    m_panel.SetGenerateState(UpdateGenState::UpToDate);
    // The menu shows the new view's zoom also while unlinked, where no pull follows.
    m_panel.EnableZoom(true);
    m_panel.EnableSaveProof(true);
    ShowZoom(m_canvas->GetZoom());
    SetTrapLayerVisible(m_trapLayerShown);
    m_canvas->Invalidate();
    m_canvas->Enable(true);
    DescribeCanvas();
    m_panel.SetMode(m_panel.GetMode(), true);
    PullHostView(nullptr);
}

void JobViewSection::ReadPageOrigin()
{
    const JobCoordinates page = HostDocument::CurrentPageCoordinates();
    m_originX = page.OriginX();
    m_originY = page.OriginY();
}

void JobViewSection::ReleaseJob(ReleaseReason reason)
{
    if (reason == ReleaseReason::DocumentClosed && HostDocument::IsOpen(m_canvas->JobDocument()))
        return;
    if (reason == ReleaseReason::GenerationFailed)
        if (const HLKilnSuite* kiln = Kiln())
            kiln->ResetSession();
    m_canvas->SetJobDocument(nullptr);
    DisableCanvas();
}

bool JobViewSection::ReloadIfSameDocument()
{
    if (m_canvas->JobDocument() != nullptr && m_canvas->JobDocument() == HostDocument::Current()) {
        SyncJob(false);
        return true;
    }
    DisableCanvas();
    return false;
}

void JobViewSection::DisableCanvas()
{
    m_panel.EnableZoom(false);
    m_panel.EnableSaveProof(false);
    m_canvas->Invalidate();
    m_canvas->Enable(false);
    DescribeCanvas();
}

void JobViewSection::SetUpToDate(bool upToDate)
{
    m_upToDate = upToDate;
    DescribeCanvas();
}

void JobViewSection::AnnounceProof()
{
    m_canvas->Announce();
}

void JobViewSection::DescribeCanvas()
{
    if (!m_canvas->IsEnabled()) {
        m_canvas->SetAccessibleDescription(kNoProof, true);
        return;
    }
    const std::string percent = ZoomMenuModel::FormatPercent(m_shownZoom * 100.0);
    const char* zoom = percent.c_str() + percent.find_first_not_of(' ');
    m_canvas->SetAccessibleDescription(FormatLocalized(m_upToDate ? kProofUpToDate : kProofChanged, zoom));
}

AIDocumentViewHandle JobViewSection::LinkedView() const
{
    return m_panel.IsLinked() ? HostView::Front() : nullptr;
}

void JobViewSection::PullHostView(AIDocumentViewHandle view)
{
    if (m_panel.IsLinked() && !m_pushing) {
        const AIDocumentViewHandle pulled = view != nullptr ? view : HostView::Front();
        const std::optional<ArtworkRect> bounds = HostView::Bounds(pulled);
        if (!bounds) {
            if (view == nullptr && m_viewSyncTimer != nullptr)
                m_viewSyncTimer->SetActive(true);
        } else if (m_canvas->ShowRect(JobCoordinates(m_originX, m_originY).ArtworkToJob(*bounds))) {
            if (const std::optional<double> zoom = HostView::Zoom(pulled)) {
                ShowZoom(*zoom);
                m_canvas->SetZoom(*zoom);
            }
        }
    }
    m_pushing = false;
}

void JobViewSection::PushViewToHost()
{
    const AIDocumentViewHandle view = LinkedView();
    if (view == nullptr)
        return;
    const JobRect& shown = m_canvas->Geometry().ViewRect();
    const JobPoint centre{(shown.x0 + shown.x1) / 2, (shown.y0 + shown.y1) / 2};
    m_pushing = true;
    HostView::SetCenter(view, JobCoordinates(m_originX, m_originY).JobToArtwork(centre));
    ZoomHostView(view, m_canvas->GetZoom(), true);
}

void JobViewSection::FitArtBoard()
{
    const HostDocument::PageGeometry page = HostDocument::CurrentPage();
    ShowArtworkRect(ZoomFit::ArtBoardRect(page.width, page.height, page.originX, page.originY));
    PushViewToHost();
}

void JobViewSection::FitGraphics()
{
    const std::optional<JobRect> bounds = AreaOf(ProofArea::ArtworkBounds);
    if (!bounds)
        return;
    m_canvas->ShowRect(ZoomFit::GraphicsRect(*bounds));
    ShowZoom(m_canvas->GetZoom());
    PushViewToHost();
}

std::optional<JobRect> JobViewSection::AreaOf(ProofArea area) const
{
    switch (area) {
    case ProofArea::WholeJob:
        return JobRect{0.0, m_jobHeight, 0.0, m_jobWidth};
    case ProofArea::ArtworkBounds:
        break;
    case ProofArea::ShownView:
        return m_canvas->Geometry().ViewRect();
    }
    const HLKilnSuite* kiln = Kiln();
    double bounds[4] = {};
    if (kiln == nullptr || kiln->GetArtworkBounds(bounds) != kNoErr)
        return std::nullopt;
    return JobRect{bounds[2], bounds[3], bounds[0], bounds[1]};
}

void JobViewSection::ZoomTo(double factor, bool asPush)
{
    if (const AIDocumentViewHandle view = LinkedView())
        ZoomHostView(view, factor, asPush);
    m_canvas->SetZoom(factor);
    ShowZoom(m_canvas->GetZoom());
    m_canvas->Invalidate();
}

// The host may notify from inside each call, and each notification's pull clears the flag: a
// push sets it again before every change. A canvas with no area has no zoom to give.
void JobViewSection::ZoomHostView(AIDocumentViewHandle view, double factor, bool asPush)
{
    if (!std::isfinite(factor) || factor <= 0.0)
        return;
    if (asPush)
        m_pushing = true;
    HostView::SetZoom(view, factor);
}

void JobViewSection::ShowArtworkRect(const ArtworkRect& rect)
{
    m_canvas->ShowRect(JobCoordinates(m_originX, m_originY).ArtworkToJob(rect));
    const double zoom = m_canvas->GetZoom();
    ShowZoom(zoom);
    m_canvas->SetZoom(zoom);
}

void JobViewSection::ShowZoom(double factor)
{
    m_panel.ShowZoom(factor);
    m_shownZoom = factor;
    DescribeCanvas();
}
