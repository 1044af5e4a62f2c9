#include "viewer/JobViewSection.h"

#include "plugin/EngineSuites.h"
#include "plugin/OspryPlugin.h"
#include "plugin/HostSuites.h"
#include "plugin/suites/AIDocumentSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "viewer/EventExtensionNotifier.h"
#include "viewer/HostDocument.h"
#include "viewer/JobCoordinates.h"
#include "viewer/JobViewFrame.h"
#include "viewer/LinkSection.h"
#include "viewer/OspryDialog.h"
#include "viewer/UpdateGenSection.h"

namespace {

// Top-left of the panel's local rectangle (MoveTop | MoveLeft, placed as given).
constexpr std::uint32_t kCanvasAlignment = qRVADM::kAlignNone | qRVADM::kAlignMoveTop | qRVADM::kAlignMoveLeft;
static_assert(kCanvasAlignment == 1057);

const HLKilnSuite* Kiln()
{
    return EngineSuitePointers().kiln;
}

}  // namespace

JobViewSection::JobViewSection(OspryDialog& panel) : m_panel(panel) {}

void JobViewSection::Create()
{
    m_canvas = new JobViewFrame(&m_panel);
    if (OspryPlugin* plugin = m_panel.GetPlugin())
        plugin->AddNotifier(new EventExtensionNotifier(plugin));
    m_canvas->setMouseTracking(true);
    m_canvas->Enable(false);
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
    const LinkSection* link = m_panel.GetLinkSection();
    if (fit || (link != nullptr && link->IsLinked()))
        m_canvas->SetViewRect(JobRect{0.0, m_jobHeight, 0.0, m_jobWidth});
    if (const HLKilnSuite* kiln = Kiln())
        kiln->JobLoaded();
    if (UpdateGenSection* generation = m_panel.GetUpdateGenSection())
        generation->SetState(UpdateGenState::UpToDate);
    SetTrapLayerVisible(m_trapLayerShown);
    m_canvas->Invalidate();
    m_canvas->Enable(true);
    m_panel.SetMode(m_panel.GetMode(), true);
    if (LinkSection* linkSection = m_panel.GetLinkSection())
        linkSection->PullHostView();
}

void JobViewSection::ReadPageOrigin()
{
    const AIDocumentSuite* documents = HostSuite<AIDocumentSuite>();
    AIReal width = 0.0;
    AIReal height = 0.0;
    AIRealPoint origin{0.0, 0.0};
    if (documents != nullptr) {
        documents->GetDocumentPageSize(&width, &height);
        documents->GetDocumentPageOrigin(&origin);
    }
    const JobCoordinates page = JobCoordinates::ForPage(height, origin.h, origin.v);
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
    m_canvas->Invalidate();
    m_canvas->Enable(false);
}
