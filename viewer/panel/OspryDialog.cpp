#include "viewer/panel/OspryDialog.h"

#include "settings/ViewerPreferences.h"
#include "settings/ui/DotGainDialog.h"
#include "settings/ui/DotGainSection.h"
#include "settings/ui/HuelineSection.h"
#include "settings/ui/InkWarningSection.h"
#include "toolkit/RVADM_Frame.h"
#include "viewer/PanelOwner.h"
#include "viewer/canvas/JobViewFrame.h"
#include "viewer/panel/JobViewSection.h"
#include "viewer/panel/LinkSection.h"
#include "viewer/panel/ProofSaver.h"
#include "viewer/panel/SideBar.h"
#include "viewer/panel/UpdateGenSection.h"
#include "viewer/panel/ZoomSection.h"

namespace {

using qRVADM::RVADM_Rect;

struct ModeSize
{
    PanelMode mode;
    std::int32_t height;
};
constexpr ModeSize kModeSizes[] = {
    {PanelMode::Expanded, 494},
    {PanelMode::Compact, 374},
};

// The separator takes the button frame's top (MoveTop), then spans the panel.
constexpr std::uint32_t kSeparatorAlignment = qRVADM::kAlignNone | qRVADM::kAlignMoveTop;
static_assert(kSeparatorAlignment == 1056);
constexpr std::int32_t kSeparatorHeight = 2;
// The preview's height changes in whole steps of this many pixels.
constexpr std::int32_t kResizeStep = 20;

// Calls `method` of `section` with `args` while the section exists.
template <class Section, class... Parameters, class... Args>
void Tell(const std::unique_ptr<Section>& section, void (Section::*method)(Parameters...), Args... args)
{
    if (section != nullptr)
        ((*section).*method)(args...);
}

}  // namespace

OspryDialog::OspryDialog(PanelOwner* owner) : m_owner(owner)
{
    if (m_owner != nullptr)
        m_owner->SetPanel(this);
    CreatePanel(kPanelName, kResizableKind, false, kPanelIcon);
}

OspryDialog::~OspryDialog()
{
    if (m_owner != nullptr)
        m_owner->SetPanel(nullptr);
}

std::int32_t OspryDialog::HeightFor(PanelMode mode)
{
    for (const ModeSize& size : kModeSizes)
        if (size.mode == mode)
            return size.height;
    return 0;
}

bool OspryDialog::IsMode(PanelMode mode)
{
    return HeightFor(mode) != 0;
}

void OspryDialog::ApplyModeSize()
{
    SetSize(kPanelWidth, HeightFor(m_mode));
}

void OspryDialog::SetMode(PanelMode mode, bool force)
{
    if (!IsMode(mode) || (mode == m_mode && !force))
        return;
    const bool changed = mode != m_mode;
    m_mode = mode;
    if (changed)
        ApplyModeSize();
    if (m_itemsCreated)
        m_updateGenSection->OnModeChanged(m_mode);
}

void OspryDialog::CreateItems()
{
    RVADM_NonModalDialog::CreateItems();
    ApplyModeSize();
    SetVerticalResizeIncrement(kResizeStep);
    m_jobViewSection = std::make_unique<JobViewSection>(*this);
    m_jobViewSection->Create();
    m_separator = new qRVADM::RVADM_Frame(this);
    m_separator->SetFrameStyle(QFrame::HLine, QFrame::Sunken);
    const bool expanded = m_mode == PanelMode::Expanded;
    m_inkWarningSection = std::make_unique<InkWarningSection>(*this);
    m_inkWarningSection->Create(expanded);
    m_statusSection = std::make_unique<HuelineSection>(*this);
    m_statusSection->Create(expanded);
    m_dotGainSection = std::make_unique<DotGainSection>(*this, [this] { m_jobViewSection->InvalidateCanvas(); });
    m_dotGainSection->Create(expanded);
    m_zoomSection = std::make_unique<ZoomSection>(*this, *m_jobViewSection);
    m_zoomSection->Create();
    m_linkSection = std::make_unique<LinkSection>(*this);
    m_linkSection->Create();
    m_updateGenSection = std::make_unique<UpdateGenSection>(*this, *m_jobViewSection);
    m_updateGenSection->Create();
    m_sideBar = std::make_unique<SideBar>(*this);
    m_proofSaver = std::make_unique<ProofSaver>(*m_jobViewSection);
    m_itemsCreated = true;
}

void OspryDialog::InitItems()
{
    RVADM_NonModalDialog::InitItems();
    SetMode(ViewerPreferences::ShowSepsOnly() != 0 ? PanelMode::Compact : PanelMode::Expanded, false);
    m_jobViewSection->SetTrapLayerVisible(ViewerPreferences::HideTrapLayer() == 0);
}

void OspryDialog::CommitItems() {}

void OspryDialog::Layout()
{
    RVADM_Rect local;
    GetLocalRect(local);
    if (!m_itemsCreated || local.Height() <= kCollapsedHeight)
        return;
    m_jobViewSection->Layout();
    m_inkWarningSection->Layout();
    m_statusSection->Layout(*m_inkWarningSection->GetFrame());
    m_dotGainSection->Layout(*m_statusSection->GetFrame());
    m_zoomSection->Layout(*m_dotGainSection->GetFrame(), m_linkSection->GetToggleHeight());
    m_linkSection->Layout(*m_zoomSection->GetFrame());
    m_updateGenSection->Layout();
    if (KeepGroupsApart()) {
        // The widening resizes the panel while layout is off, so no layout follows it: the
        // sections that depend on the panel's width take the new one now.
        m_jobViewSection->Layout();
        m_updateGenSection->Layout();
    }
    LayOutSeparator();
}

// The view link (left) and the Generate/Update button (right) keep kGroupGap between them: the
// panel cannot be made narrower than that, and a panel that already is gets wider (true).
bool OspryDialog::KeepGroupsApart()
{
    RVADM_Rect link;
    m_linkSection->GetFrame()->GetBoundsRect(link);
    RVADM_Rect button;
    m_updateGenSection->GetButtonFrame()->GetBoundsRect(button);
    if (button.left >= link.right + kGroupGap) {
        SetMinimumWidth(link.right + kGroupGap + button.Width() + kResizeGripSide);
        return false;
    }
    RVADM_Rect local;
    GetLocalRect(local);
    local.right += kGroupGap + link.right - button.left;
    SetLocalRect(local);
    SetMinimumWidth(local.right);
    return true;
}

// The separator runs the panel's full width along the top of the button frame.
void OspryDialog::LayOutSeparator()
{
    RVADM_Rect local;
    GetLocalRect(local);
    m_separator->SetHeight(kSeparatorHeight);
    qRVADM::RVADM_Item::AlignTo(m_updateGenSection->GetButtonFrame(), m_separator, kSeparatorAlignment);
    const std::int32_t top = m_separator->GetTop();
    m_separator->SetBoundsRect(RVADM_Rect{0, top, local.right, top + kSeparatorHeight});
}

void OspryDialog::OnPanelEvent(std::int32_t code)
{
    RVADM_NonModalDialog::OnPanelEvent(code);
    if (m_owner != nullptr && (code == kPanelShown || code == kPanelHidden))
        m_owner->RecordPanelVisible(code == kPanelShown);
    if (code == kPanelShown && m_itemsCreated) {
        m_updateGenSection->ForgetLastDocument();
        m_updateGenSection->OnDocumentChanged();
    }
}

void OspryDialog::OnFlyoutMenu(qRVADM::RVADM_MenuEntry& entry)
{
    if (m_sideBar != nullptr && &entry == m_sideBar->GetDotGainEntry()) {
        DotGainDialog::Run();
        m_dotGainSection->Reload();
    } else if (m_sideBar != nullptr && &entry == m_sideBar->GetSaveProofEntry()) {
        m_proofSaver->Run();
    } else {
        RVADM_NonModalDialog::OnFlyoutMenu(entry);
    }
}

void OspryDialog::ClickGenerate()
{
    ShowPanel(true);
    Tell(m_updateGenSection, &UpdateGenSection::ClickButton);
}

void OspryDialog::RefreshConnectionStatus()
{
    if (!m_itemsCreated)
        return;
    m_statusSection->Refresh();
    m_inkWarningSection->Refresh();
}

void OspryDialog::ApplyColorSettings()
{
    Tell(m_jobViewSection, &JobViewSection::ApplyColorSettings);
}

void OspryDialog::OnDocumentChanged()
{
    Tell(m_updateGenSection, &UpdateGenSection::OnDocumentChanged);
}

void OspryDialog::OnDocumentClosed()
{
    Tell(m_updateGenSection, &UpdateGenSection::OnDocumentClosed);
}

void OspryDialog::OnDirtyTick()
{
    Tell(m_updateGenSection, &UpdateGenSection::OnDirtyTick);
}

void OspryDialog::OnEngineSync(bool fit)
{
    Tell(m_updateGenSection, &UpdateGenSection::OnEngineSync, fit);
}

void OspryDialog::PullHostView(AIDocumentViewHandle view)
{
    Tell(m_jobViewSection, &JobViewSection::PullHostView, view);
}

void OspryDialog::SetHostModifiers(std::uint32_t bits)
{
    if (m_jobViewSection != nullptr && IsPanelShown())
        m_jobViewSection->GetCanvas()->SetHostModifiers(bits);
}

bool OspryDialog::IsLinked() const
{
    return m_linkSection != nullptr && m_linkSection->IsLinked();
}

void OspryDialog::ShowZoom(double factor)
{
    Tell(m_zoomSection, &ZoomSection::ShowZoom, factor);
}

void OspryDialog::EnableZoom(bool enable)
{
    Tell(m_zoomSection, &ZoomSection::Enable, enable);
}

void OspryDialog::EnableSaveProof(bool enable)
{
    Tell(m_sideBar, &SideBar::EnableSaveProof, enable);
}

void OspryDialog::SetGenerateState(UpdateGenState state)
{
    Tell(m_updateGenSection, &UpdateGenSection::SetState, state);
}

void OspryDialog::RefreshInkWarning()
{
    Tell(m_inkWarningSection, &InkWarningSection::Refresh);
}
