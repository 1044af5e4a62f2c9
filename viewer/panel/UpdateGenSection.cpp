#include "viewer/panel/UpdateGenSection.h"

#include "plugin/EngineSuites.h"
#include "plugin/TKW_AIPlugin.h"
#include "plugin/suites/CorvaneMessageCenterSuite.h"
#include "plugin/suites/HLKilnODLSuite.h"
#include "plugin/suites/HLKilnSuite.h"
#include "settings/MessageCenterConnection.h"
#include "settings/ui/BottomBarMetrics.h"
#include "support/Localization.h"
#include "toolkit/RVADM_CriticalMessageDialog.h"
#include "toolkit/RVADM_Frame.h"
#include "viewer/PanelOwner.h"
#include "viewer/canvas/HostDocument.h"
#include "viewer/events/DirtyDocumentTimer.h"
#include "viewer/events/DocChangedNotifier.h"
#include "viewer/events/DocClosedNotifier.h"
#include "viewer/events/DocJobIDTimer.h"
#include "viewer/events/KilnODLLoadTypeQueryNotifier.h"
#include "viewer/events/SyncWithKilnNotifier.h"
#include "viewer/model/UpdateGenTable.h"
#include "viewer/panel/OspryDialog.h"
#include "viewer/panel/PreviewJob.h"
#include "viewer/panel/UpdateGenButton.h"

#include <cstring>

namespace {

using qRVADM::RVADM_Rect;

constexpr const char* kGenerateLabel = UpdateGenTable::kGenerateLabel;
constexpr const char* kUpdateLabel = UpdateGenTable::kUpdateLabel;
constexpr const char* kActivityName = "Viewer";
constexpr const char* kRgbHeading = "RGB documents not supported";
constexpr const char* kRgbMessage = "RGB documents cannot be viewed in Viewer.";
constexpr const char* kFailedHeading = "Generating Viewer preview failed";
constexpr const char* kOkButton = "OK";
constexpr ASInt32 kMessageSize = 256;
// What the table is given when the engine has no generation suite to ask.
constexpr std::int32_t kNoLoadType = 0;
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

UpdateGenSection::UpdateGenSection(OspryDialog& panel, PreviewJob& preview) : m_panel(panel), m_preview(preview) {}

void UpdateGenSection::Create()
{
    m_button = new UpdateGenButton(&m_panel, LongerLabel(), [this] { OnGenerateClicked(); });
    m_button->SetText(kGenerateLabel, true);
    if (PanelOwner* owner = m_panel.GetOwner())
        RegisterWithOwner(*owner);
    m_frame = new qRVADM::RVADM_Frame(&m_panel);
    m_frame->Enable(true);
    m_frame->Show(false);
    On(UpdateGenEvent::PanelCreated);
}

void UpdateGenSection::RegisterWithOwner(PanelOwner& owner)
{
    using Message = const AINotifierMessage&;
    TKW_AIPlugin& registries = owner.Registries();
    m_docChanged = new DocChangedNotifier(owner, [](OspryDialog& panel, Message) { panel.OnDocumentChanged(); });
    registries.AddNotifier(m_docChanged);
    registries.AddNotifier(new DocClosedNotifier(owner, [](OspryDialog& panel, Message) { panel.OnDocumentClosed(); }));
    if (Generation() != nullptr) {
        registries.AddNotifier(new SyncWithKilnNotifier(owner, [](OspryDialog& panel, Message message) {
            const auto* keepView = static_cast<const AIBoolean*>(message.notifyData);
            panel.OnEngineSync(keepView == nullptr || *keepView == 0);
        }));
        // A viewer that shows the job keeps it from being released.
        registries.AddNotifier(new KilnODLLoadTypeQueryNotifier(owner, [](OspryDialog& panel, Message message) {
            auto* query = static_cast<HLLoadTypeQuery*>(message.notifyData);
            if (query != nullptr && panel.IsPanelShown())
                query->shown = 1;
        }));
    }
    registries.AddTimer(new DirtyDocumentTimer(owner, [](OspryDialog& panel) { panel.OnDirtyTick(); }));
    registries.AddTimer(new DocJobIDTimer(&registries));
}

void UpdateGenSection::Layout()
{
    RVADM_Rect local;
    m_panel.GetLocalRect(local);
    m_frame->SetSize(m_button->GetWidth() + BottomBarMetrics::kFramePadding, BottomBarMetrics::kFrameHeight);
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
    m_panel.RefreshInkWarning();
    m_state = state;
    if (const UpdateGenState settled = UpdateGenTable::Settle(state, Generation() != nullptr); settled != state) {
        SetState(settled);
        return;
    }
    Apply(UpdateGenTable::Look(state, m_preview.IsCanvasEnabled()));
    m_preview.SetUpToDate(state == UpdateGenState::UpToDate);
}

void UpdateGenSection::On(UpdateGenEvent event, std::int32_t loadType)
{
    SetState(UpdateGenTable::Next(event, loadType));
}

void UpdateGenSection::Apply(const UpdateGenLook& look)
{
    PanelOwner* owner = m_panel.GetOwner();
    if (look.buttonLabel != nullptr)
        m_button->SetText(look.buttonLabel, true);
    if (owner != nullptr && look.menuLabel != nullptr)
        owner->SetGenerateText(look.menuLabel);
    if (!look.offered)
        return;
    if (*look.offered)
        m_button->Show(m_panel.GetMode() == PanelMode::Expanded);
    m_button->Enable(*look.offered);
    if (owner != nullptr)
        owner->SetGenerateEnabled(*look.offered);
}

void UpdateGenSection::ClickButton()
{
    m_button->Notify(qRVADM::kNotifyUserChanged);
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
    m_panel.RefreshConnectionStatus();
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
    if (kiln->ResetSession() == 0) {
        m_preview.ReleaseJob(PreviewJob::ReleaseReason::Dropped);
        On(UpdateGenEvent::JobDropped);
        return;
    }
    const GenerationActivity activity;
    const GenerationResult result(*generation);
    if (!result.Succeeded()) {
        char message[kMessageSize] = {};
        result.GetMessage(message, kMessageSize);
        message[kMessageSize - 1] = '\0';
        ShowCritical(kFailedHeading, message, false);
        m_preview.ReleaseJob(PreviewJob::ReleaseReason::GenerationFailed);
        On(UpdateGenEvent::JobDropped);
        m_preview.AnnounceProof();
        return;
    }
    m_preview.SyncJob(fit);
    On(UpdateGenEvent::JobTaken);
    m_preview.AnnounceProof();
}

void UpdateGenSection::OnDocumentChanged()
{
    const AIDocumentHandle current = HostDocument::Current();
    if (m_docChanged != nullptr && current != nullptr && current != m_docChanged->GetLastDocument() &&
        m_panel.IsPanelShown()) {
        const HLKilnODLSuite* generation = Generation();
        if (!m_preview.ReloadIfSameDocument())
            On(UpdateGenEvent::JobDropped);
        else
            On(UpdateGenEvent::JobDocumentAgain, generation != nullptr ? generation->GetLoadType() : kNoLoadType);
        m_docChanged->SetLastDocument(current);
    }
    m_preview.ReleaseJob(PreviewJob::ReleaseReason::DocumentClosed);
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
    m_preview.ReleaseJob(PreviewJob::ReleaseReason::DocumentClosed);
    On(UpdateGenEvent::NoDocument);
}

void UpdateGenSection::OnDirtyTick()
{
    if (HostDocument::Current() == nullptr) {
        On(UpdateGenEvent::NoDocument);
        return;
    }
    const HLKilnODLSuite* generation = Generation();
    if (generation == nullptr)
        return;
    const std::int32_t loadType = generation->GetLoadType();
    if (loadType == kHLLoadTypeReleased) {
        if (m_state == UpdateGenState::CanGenerate)
            return;
        m_preview.ReleaseJob(PreviewJob::ReleaseReason::Dropped);
    }
    On(UpdateGenEvent::LoadTypePolled, loadType);
}

void UpdateGenSection::OnEngineSync(bool fit)
{
    m_preview.SyncJob(fit);
    On(UpdateGenEvent::JobTaken);
}
