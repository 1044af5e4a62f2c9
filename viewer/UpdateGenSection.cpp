#include "viewer/UpdateGenSection.h"

#include "plugin/EngineSuites.h"
#include "plugin/OspryPlugin.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "settings/MessageCenterConnection.h"
#include "settings/ui/BottomBar.h"
#include "settings/ui/HuelineSection.h"
#include "settings/ui/InkWarningSection.h"
#include "support/Localization.h"
#include "toolkit/RVADM_CriticalMessageDialog.h"
#include "toolkit/RVADM_Frame.h"
#include "viewer/DirtyDocumentTimer.h"
#include "viewer/DocChangedNotifier.h"
#include "viewer/DocClosedNotifier.h"
#include "viewer/DocJobIDTimer.h"
#include "viewer/HostDocument.h"
#include "viewer/JobViewSection.h"
#include "viewer/KilnODLLoadTypeQueryNotifier.h"
#include "viewer/OspryDialog.h"
#include "viewer/SyncWithKilnNotifier.h"
#include "viewer/UpdateGenButton.h"

#include <cstring>

namespace {

using qRVADM::RVADM_Rect;

constexpr const char* kGenerateLabel = "Generate";
constexpr const char* kUpdateLabel = "Update";
constexpr const char* kActivityName = "Viewer";
constexpr const char* kRgbHeading = "RGB documents not supported";
constexpr const char* kRgbMessage = "RGB documents cannot be viewed in Viewer.";
constexpr const char* kFailedHeading = "Generating Viewer preview failed";
constexpr const char* kOkButton = "OK";
constexpr ASInt32 kMessageSize = 256;
// The panel's bottom-right corner (MoveBottom | MoveRight).
constexpr std::uint32_t kFrameAlignment = qRVADM::kAlignNone | qRVADM::kAlignMoveBottom | qRVADM::kAlignMoveRight;
static_assert(kFrameAlignment == 1090);
constexpr std::uint32_t kCentred = qRVADM::kAlignNone | qRVADM::kAlignCenterHorizontal | qRVADM::kAlignCenterVertical;

const HLKilnODLSuite* Generation()
{
    return EngineSuitePointers().kilnODL;
}

// The key of the longer translated label. Translations share one buffer: each is measured before
// the next is asked for.
const char* LongerLabel()
{
    const std::size_t update = std::strlen(LocalizeKey(kUpdateLabel));
    const std::size_t generate = std::strlen(LocalizeKey(kGenerateLabel));
    return update > generate ? kUpdateLabel : kGenerateLabel;
}

// A critical message with one "OK"; the heading always translated, the message when `localize`.
void ShowCritical(const char* heading, const char* message, bool localize)
{
    const qRVADM::RVADM_CriticalMessageDialog dialog(heading, true, message, localize, nullptr, kOkButton, true);
}

// The message centre's activity around a generation; nothing without the message centre.
class GenerationActivity
{
public:
    GenerationActivity() : m_centre(MessageCenter())
    {
        if (m_centre != nullptr)
            m_token = m_centre->BeginActivity(MessageCenterClient(), LocalizeKey(kActivityName), kActivityName);
    }
    ~GenerationActivity()
    {
        if (m_centre != nullptr)
            m_centre->EndActivity(m_token);
    }
    GenerationActivity(const GenerationActivity&) = delete;
    GenerationActivity& operator=(const GenerationActivity&) = delete;

private:
    const CorvaneMessageCenterSuite* m_centre;
    ASInt32 m_token = 0;
};

// RunGeneration's result, given back to the engine however the generation ends.
class GenerationResult
{
public:
    explicit GenerationResult(const HLKilnODLSuite& suite) : m_suite(suite), m_result(suite.RunGeneration()) {}
    ~GenerationResult() { m_suite.ReleaseResult(m_result); }
    GenerationResult(const GenerationResult&) = delete;
    GenerationResult& operator=(const GenerationResult&) = delete;

    bool Succeeded() const { return m_suite.ResultSucceeded(m_result) != 0; }
    void GetMessage(char* buffer, ASInt32 size) const { m_suite.GetResultMessage(m_result, buffer, size); }

private:
    const HLKilnODLSuite& m_suite;
    HLKilnResultHandle m_result;
};

}  // namespace

UpdateGenSection::UpdateGenSection(OspryDialog& panel) : m_panel(panel) {}

UpdateGenSection* UpdateGenSection::Of(const OspryPlugin* plugin)
{
    const OspryDialog* panel = plugin != nullptr ? plugin->GetPanel() : nullptr;
    return panel != nullptr ? panel->GetUpdateGenSection() : nullptr;
}

void UpdateGenSection::Create()
{
    m_button = new UpdateGenButton(&m_panel, LongerLabel(), *this);
    m_button->SetText(kGenerateLabel, true);
    if (OspryPlugin* plugin = m_panel.GetPlugin())
        RegisterWithPlugin(*plugin);
    m_frame = new qRVADM::RVADM_Frame(&m_panel);
    m_frame->Enable(true);
    m_frame->Show(false);
    SetState(UpdateGenState::NoDocument);
}

void UpdateGenSection::RegisterWithPlugin(OspryPlugin& plugin)
{
    m_docChanged = new DocChangedNotifier(&plugin);
    plugin.AddNotifier(m_docChanged);
    plugin.AddNotifier(new DocClosedNotifier(&plugin));
    if (Generation() != nullptr) {
        plugin.AddNotifier(new SyncWithKilnNotifier(&plugin));
        plugin.AddNotifier(new KilnODLLoadTypeQueryNotifier(&plugin));
    }
    plugin.AddTimer(new DirtyDocumentTimer(&plugin));
    plugin.AddTimer(new DocJobIDTimer(&plugin));
}

void UpdateGenSection::Layout()
{
    RVADM_Rect local;
    m_panel.GetLocalRect(local);
    m_frame->SetSize(m_button->GetWidth() + BottomBar::kFramePadding, BottomBar::kFrameHeight);
    m_frame->AlignTo(local, kFrameAlignment);
    m_frame->Move(-qRVADM::RVADM_NonModalDialog::kResizeGripSide, 0);
    m_frame->Show(false);
    qRVADM::RVADM_Item::AlignTo(m_frame, m_button, kCentred);
}

void UpdateGenSection::OnModeChanged(PanelMode mode)
{
    m_button->Show(mode == PanelMode::Expanded);
}

void UpdateGenSection::SetState(UpdateGenState state)
{
    RefreshInkWarning();
    m_state = state;
    switch (state) {
    case UpdateGenState::NoDocument:
        DisableButtonAndMenu();
        if (OspryPlugin* plugin = m_panel.GetPlugin())
            plugin->SetGenerateText(kGenerateLabel);
        break;
    case UpdateGenState::UpToDate:
        DisableButtonAndMenu();
        break;
    case UpdateGenState::CanGenerate:
        Offer(kGenerateLabel);
        break;
    case UpdateGenState::DocumentChanged:
        if (Generation() == nullptr) {
            SetState(UpdateGenState::CanGenerate);
            return;
        }
        Offer(m_panel.GetJobViewSection()->IsCanvasEnabled() ? kUpdateLabel : kGenerateLabel);
        break;
    }
}

void UpdateGenSection::Offer(const char* label)
{
    m_button->SetText(label, true);
    m_button->Show(m_panel.GetMode() == PanelMode::Expanded);
    m_button->Enable(true);
    if (OspryPlugin* plugin = m_panel.GetPlugin()) {
        plugin->SetGenerateText(label);
        plugin->SetGenerateEnabled(true);
    }
}

void UpdateGenSection::DisableButtonAndMenu()
{
    m_button->Enable(false);
    if (OspryPlugin* plugin = m_panel.GetPlugin())
        plugin->SetGenerateEnabled(false);
}

void UpdateGenSection::OnGenerateClicked()
{
    if (m_state == UpdateGenState::CanGenerate || m_state == UpdateGenState::DocumentChanged) {
        if (m_docChanged != nullptr)
            m_docChanged->SetActive(false);
        Generate();
        if (m_docChanged != nullptr)
            m_docChanged->SetActive(true);
    }
    RefreshStatus();
    RefreshInkWarning();
}

void UpdateGenSection::Generate()
{
    // "Generate" shows the whole job, "Update" keeps the view, whatever the engine reports meanwhile.
    const bool fit = m_state == UpdateGenState::CanGenerate;
    if (HostDocument::IsCurrentRgb()) {
        ShowCritical(kRgbHeading, kRgbMessage, true);
        return;
    }
    const HLKilnSuite* kiln = EngineSuitePointers().kiln;
    const HLKilnODLSuite* generation = Generation();
    if (kiln == nullptr || generation == nullptr)
        return;
    JobViewSection& jobView = *m_panel.GetJobViewSection();
    if (kiln->ResetSession() == 0) {
        jobView.ReleaseJob(JobViewSection::ReleaseReason::Dropped);
        SetState(UpdateGenState::CanGenerate);
        return;
    }
    const GenerationActivity activity;
    const GenerationResult result(*generation);
    if (!result.Succeeded()) {
        char message[kMessageSize] = {};
        result.GetMessage(message, kMessageSize);
        message[kMessageSize - 1] = '\0';
        ShowCritical(kFailedHeading, message, false);
        jobView.ReleaseJob(JobViewSection::ReleaseReason::GenerationFailed);
        SetState(UpdateGenState::CanGenerate);
        return;
    }
    jobView.SyncJob(fit);
    SetState(UpdateGenState::UpToDate);
}

void UpdateGenSection::OnDocumentChanged()
{
    const AIDocumentHandle current = HostDocument::Current();
    JobViewSection& jobView = *m_panel.GetJobViewSection();
    if (m_docChanged != nullptr && current != nullptr && current != m_docChanged->GetLastDocument() &&
        m_panel.IsPanelShown()) {
        const HLKilnODLSuite* generation = Generation();
        if (!jobView.ReloadIfSameDocument())
            SetState(UpdateGenState::CanGenerate);
        else if (generation != nullptr && generation->GetLoadType() == kHLLoadTypeUpToDate)
            SetState(UpdateGenState::UpToDate);
        else
            SetState(UpdateGenState::DocumentChanged);
        m_docChanged->SetLastDocument(current);
    }
    jobView.ReleaseJob(JobViewSection::ReleaseReason::DocumentClosed);
}

void UpdateGenSection::ForgetLastDocument()
{
    if (m_docChanged != nullptr)
        m_docChanged->SetLastDocument(nullptr);
}

void UpdateGenSection::OnDocumentClosed()
{
    if (HostDocument::Current() != nullptr && m_panel.IsPanelShown())
        return;
    m_panel.GetJobViewSection()->ReleaseJob(JobViewSection::ReleaseReason::DocumentClosed);
    SetState(UpdateGenState::NoDocument);
}

void UpdateGenSection::OnDirtyTick()
{
    if (HostDocument::Current() == nullptr) {
        SetState(UpdateGenState::NoDocument);
        return;
    }
    const HLKilnODLSuite* generation = Generation();
    if (generation == nullptr)
        return;
    switch (generation->GetLoadType()) {
    case kHLLoadTypeUpToDate:
        SetState(UpdateGenState::UpToDate);
        break;
    case kHLLoadTypeChanged:
        SetState(UpdateGenState::DocumentChanged);
        break;
    case kHLLoadTypeReleased:
        if (m_state != UpdateGenState::CanGenerate) {
            m_panel.GetJobViewSection()->ReleaseJob(JobViewSection::ReleaseReason::Dropped);
            SetState(UpdateGenState::CanGenerate);
        }
        break;
    default:
        SetState(UpdateGenState::CanGenerate);
        break;
    }
}

void UpdateGenSection::OnEngineSync(bool fit)
{
    m_panel.GetJobViewSection()->SyncJob(fit);
    SetState(UpdateGenState::UpToDate);
}

void UpdateGenSection::RefreshStatus()
{
    if (HuelineSection* status = m_panel.GetStatusSection())
        status->Refresh();
}

void UpdateGenSection::RefreshInkWarning()
{
    if (InkWarningSection* warning = m_panel.GetInkWarningSection())
        warning->Refresh();
}
