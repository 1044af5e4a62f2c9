#pragma once

#include "plugin/TKW_AIOwnedPanel.h"
#include "plugin/suites/SPTypes.h"
#include "toolkit/RVADM_NonModalDialog.h"
#include "viewer/model/UpdateGenState.h"
#include "viewer/panel/PanelMode.h"

#include <cstdint>
#include <memory>

class DotGainSection;
class HuelineSection;
class InkWarningSection;
class JobViewSection;
class LinkSection;
class PanelOwner;
class ProofSaver;
class SideBar;
class UpdateGenSection;
class ZoomSection;

namespace qRVADM {
class RVADM_Frame;
class RVADM_MenuEntry;
}  // namespace qRVADM

// The viewer's one panel, "Hueline Viewer": the preview canvas above, the bottom bar below (ink
// warning, connection status, dot gain curve, zoom, view link; the Generate/Update button at the
// right) and the flyout-menu entries for the dot gain settings and for saving the proof.
// Created by its owner, the plug-in, once the host has started, owned through its owned-panels
// list and deleted at application shut-down. The panel owns its sections and is their only
// go-between; the owner reaches the panel only through its intent operations (ClickGenerate,
// RefreshConnectionStatus, ApplyColorSettings, ShowPanel). Host UI thread only.
class OspryDialog final : public qRVADM::RVADM_NonModalDialog, public TKW_AIOwnedPanel
{
public:
    static constexpr const char* kPanelName = "Hueline Viewer";
    static constexpr std::int32_t kPanelIcon = 16100;
    static constexpr std::int32_t kPanelWidth = 480;
    // Pixels kept free under the preview.
    static constexpr std::int32_t kBottomGap = 9;
    // Below this local height the host has collapsed the panel: nothing is laid out.
    static constexpr std::int32_t kCollapsedHeight = 100;
    // Kept free between the view link and the Generate/Update button.
    static constexpr std::int32_t kGroupGap = 20;

    // Registers itself as `owner`'s panel (cleared again by the destructor) and creates the host
    // panel, which runs the item hooks. `owner` may be null (nobody to tell, nothing registered).
    explicit OspryDialog(PanelOwner* owner);
    ~OspryDialog() override;

    // The panel's height in `mode`; 0 for a value that is no mode.
    static std::int32_t HeightFor(PanelMode mode);

    PanelMode GetMode() const { return m_mode; }
    // Stores `mode` (values other than Expanded and Compact are ignored). Without `force` the
    // current mode changes nothing; a real change resizes the panel, `force` alone does not.
    // Either way the Generate/Update section is told the mode.
    void SetMode(PanelMode mode, bool force);

    // Shows the panel and acts as a click on its Generate/Update button.
    void ClickGenerate();
    // The engine's connection changed: the connection status, then the ink warning refresh;
    // nothing before the items exist.
    void RefreshConnectionStatus();
    // The host's colour matching preferences changed: the preview applies them.
    void ApplyColorSettings();

    // The host's and the engine's events for the sections, from the notifiers and timers; each
    // does nothing while its section does not exist.
    void OnDocumentChanged();
    void OnDocumentClosed();
    void OnDirtyTick();
    // The engine pushed a job; `fit` shows the whole job.
    void OnEngineSync(bool fit);
    // Host view -> canvas (null: the host's first view), while the view link is on.
    void PullHostView(AIDocumentViewHandle view);
    // The modifier keys held in the host reach the canvas while the panel is shown.
    void SetHostModifiers(std::uint32_t bits);

    // What a section asks of another, with the panel as go-between; each does nothing, or
    // answers false, while the other section does not exist.
    bool IsLinked() const;
    void ShowZoom(double factor);
    void EnableZoom(bool enable);
    // "Save Proof As..." is enabled while a proof of the current document is shown.
    void EnableSaveProof(bool enable);
    void SetGenerateState(UpdateGenState state);
    void RefreshInkWarning();

    PanelOwner* GetOwner() const { return m_owner; }
    std::int32_t GetBottomGap() const { return m_bottomGap; }
    // Sections; null before `CreateItems`.
    JobViewSection* GetJobViewSection() const { return m_jobViewSection.get(); }
    UpdateGenSection* GetUpdateGenSection() const { return m_updateGenSection.get(); }

    void CreateItems() override;
    // Reads "ShowSepsOnly": Compact when set, else Expanded; and "HideTrapLayer": the engine
    // shows the trap layer unless it is set.
    void InitItems() override;
    // Nothing is kept across sessions beyond what the plug-in records.
    void CommitItems() override;
    void Layout() override;
    // Shown and hidden also tell the plug-in, which records the visibility for the next start;
    // shown re-evaluates the current document at once.
    void OnPanelEvent(std::int32_t code) override;
    // "Dot Gain Settings..." opens the dot gain settings dialog, then the dot gain list is reloaded
    // keeping its choice; "Save Proof As..." saves the proof shown to a file; other entries run as
    // usual.
    void OnFlyoutMenu(qRVADM::RVADM_MenuEntry& entry) override;

private:
    static bool IsMode(PanelMode mode);
    void ApplyModeSize();
    bool KeepGroupsApart();
    void LayOutSeparator();

    std::unique_ptr<JobViewSection> m_jobViewSection;
    std::unique_ptr<UpdateGenSection> m_updateGenSection;
    qRVADM::RVADM_Frame* m_separator = nullptr;  // the panel's item tree owns the items
    std::unique_ptr<DotGainSection> m_dotGainSection;
    std::unique_ptr<HuelineSection> m_statusSection;
    std::unique_ptr<InkWarningSection> m_inkWarningSection;
    std::unique_ptr<LinkSection> m_linkSection;
    std::unique_ptr<ZoomSection> m_zoomSection;
    std::unique_ptr<SideBar> m_sideBar;
    std::unique_ptr<ProofSaver> m_proofSaver;
    bool m_itemsCreated = false;
    std::int32_t m_bottomGap = kBottomGap;
    PanelMode m_mode = PanelMode::Expanded;
    PanelOwner* m_owner;
};
