#include "viewer/OspryDialog.h"

#include "plugin/OspryPlugin.h"
#include "settings/ViewerPreferences.h"
#include "settings/ui/DotGainDialog.h"
#include "settings/ui/HuelineSection.h"
#include "settings/ui/InkWarningSection.h"
#include "toolkit/RVADM_Frame.h"
#include "viewer/LinkSection.h"
#include "viewer/SideBar.h"

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

}  // namespace

OspryDialog::OspryDialog(OspryPlugin* plugin) : m_plugin(plugin)
{
    if (m_plugin != nullptr)
        m_plugin->SetPanel(this);
    CreatePanel(kPanelName, kResizableKind, false, kPanelIcon);
}

OspryDialog::~OspryDialog()
{
    if (m_plugin != nullptr)
        m_plugin->SetPanel(nullptr);
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
}

void OspryDialog::CreateItems()
{
    RVADM_NonModalDialog::CreateItems();
    ApplyModeSize();
    m_separator = new qRVADM::RVADM_Frame(this);
    m_separator->SetFrameStyle(QFrame::HLine, QFrame::Sunken);
    const bool expanded = m_mode == PanelMode::Expanded;
    m_inkWarningSection = std::make_unique<InkWarningSection>(*this);
    m_inkWarningSection->Create(expanded);
    m_statusSection = std::make_unique<HuelineSection>(*this);
    m_statusSection->Create(expanded);
    m_linkSection = std::make_unique<LinkSection>(*this);
    m_linkSection->Create();
    m_sideBar = std::make_unique<SideBar>(*this);
    m_itemsCreated = true;
}

void OspryDialog::InitItems()
{
    RVADM_NonModalDialog::InitItems();
    SetMode(ViewerPreferences::ShowSepsOnly() != 0 ? PanelMode::Compact : PanelMode::Expanded, false);
}

void OspryDialog::CommitItems() {}

void OspryDialog::Layout()
{
    RVADM_Rect local;
    GetLocalRect(local);
    if (!m_itemsCreated || local.Height() <= kCollapsedHeight)
        return;
    m_inkWarningSection->Layout();
    m_statusSection->Layout(*m_inkWarningSection->GetFrame());
    m_linkSection->Layout(*m_statusSection->GetFrame());
    LayOutSeparator();
}

// The separator runs the panel's full width along the top of the bottom bar.
void OspryDialog::LayOutSeparator()
{
    RVADM_Rect local;
    GetLocalRect(local);
    RVADM_Rect bar;
    m_inkWarningSection->GetFrame()->GetBoundsRect(bar);
    m_separator->SetBoundsRect(RVADM_Rect{0, bar.top - 2, local.right, bar.top});
}

void OspryDialog::OnPanelEvent(std::int32_t code)
{
    RVADM_NonModalDialog::OnPanelEvent(code);
    if (m_plugin != nullptr && (code == kPanelShown || code == kPanelHidden))
        m_plugin->RecordPanelVisible(code == kPanelShown);
}

void OspryDialog::OnFlyoutMenu(qRVADM::RVADM_MenuEntry& entry)
{
    if (m_sideBar != nullptr && &entry == m_sideBar->GetEntry())
        DotGainDialog::Run();
    else
        RVADM_NonModalDialog::OnFlyoutMenu(entry);
}
